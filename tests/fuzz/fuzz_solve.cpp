// The whole Solve on the in-memory form, with N and every coefficient and
// right-hand-side text drawn from the fuzzer's bytes: whole numbers, sparse
// rows, decimals, magnitudes from 1E-330 to 1E+330 and stray texts. What
// the window shows is judged by its texts alone, against the exact values
// of the typed texts worked out here: the grammar by the independent model,
// the arithmetic in GMP's rationals by Gaussian elimination, the rounding by
// long division. Nothing of the code under test helps the judge.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "../exact_rational.h"
#include "../non_number_text.h"
#include "app/frm_vl_main.h"
#include "form/memory_form.h"
#include "number_model.h"

namespace {

namespace support = velmora::testing_support;
using velmora::FieldId;
using velmora::ReadError;

std::string NumberFrom(FuzzedDataProvider& bytes) {
    char text[48];
    switch (bytes.ConsumeIntegralInRange(0, 8)) {
        case 0:
        case 1:
            return "0";
        case 2:
        case 3:
            return std::to_string(bytes.ConsumeIntegralInRange(-9, 9));
        case 4:
            std::snprintf(text, sizeof text, "%dE%d", bytes.ConsumeIntegralInRange(-99, 99),
                          bytes.ConsumeIntegralInRange(-330, 330));
            return text;
        case 5:
            std::snprintf(text, sizeof text, "%d.%02d", bytes.ConsumeIntegralInRange(-99, 99),
                          bytes.ConsumeIntegralInRange(0, 99));
            return text;
        case 6:
            return "1E-17";
        case 7: {
            // A long mantissa, within the hundred digits that are kept.
            std::string digits = std::to_string(bytes.ConsumeIntegralInRange(1, 9));
            const std::size_t length = bytes.ConsumeIntegralInRange<std::size_t>(1, 60);
            while (digits.size() < length) {
                digits += std::to_string(bytes.ConsumeIntegralInRange(0, 9));
            }
            return digits + "E" + std::to_string(bytes.ConsumeIntegralInRange(-300, 250));
        }
        default:
            return bytes.ConsumeRandomLengthString(12);
    }
}

[[noreturn]] void Fail(const char* what, const std::string& shown, const std::string& expected) {
    std::fprintf(stderr, "%s: shown \"%s\", expected \"%s\"\n", what, shown.c_str(),
                 expected.c_str());
    std::abort();
}

void Expect(const char* what, const std::string& shown, const std::string& expected) {
    if (shown != expected) {
        Fail(what, shown, expected);
    }
}

// The exact value of a text the model accepts: a decimal, or an &H / &O
// literal.
mpq_class ExactValue(const std::string& number) {
    const std::size_t first = number.find_first_not_of(" \t");
    const std::string text = number.substr(first, number.find_last_not_of(" \t") - first + 1);
    const std::string mantissa = text.substr(0, text.find_first_of("eE"));
    if (text[0] != '&' && mantissa.find_first_of("123456789") == std::string::npos) {
        return 0;  // "0E999999999": no power of ten to work out
    }
    if (text[0] == '&') {
        const bool hex = text[1] == 'h' || text[1] == 'H';
        return mpq_class(mpz_class(text.substr(2), hex ? 16 : 8));
    }
    std::string plain = text;
    for (char& c : plain) {
        c = c == 'e' ? 'E' : c;
    }
    if (plain[0] == '+') {
        plain.erase(0, 1);
    }
    return support::ExactDecimal(plain);
}

// A coefficient as the strict model reads it.
struct Reading {
    ReadError ec = ReadError::none;
    mpq_class value;

    [[nodiscard]] bool ok() const { return ec == ReadError::none; }
};

Reading Strict(const std::string& text) {
    const velmora::StrictNumber model = velmora::fuzz_model::StrictModel(text);
    if (!model.ok()) {
        return {model.ec, 0};
    }
    return {ReadError::none, ExactValue(text)};
}

// A right-hand side as the lenient reading reads it: without blanks, D as E
// in decimals, the longest prefix the strict model accepts, else 0.
Reading Lenient(const std::string& text) {
    const velmora::fuzz_model::LenientReading model = velmora::fuzz_model::LenientModel(text);
    if (model.prefix.empty() || !model.number.ok()) {
        return {model.number.ec, 0};
    }
    return {ReadError::none, ExactValue(model.prefix)};
}

void CheckNoNonNumber(const velmora::MemoryForm& form) {
    const auto check = [&form](FieldId id) {
        if (support::IsNonNumberText(form.text(id))) {
            Fail("a field shows a non-number", form.text(id), "a number");
        }
    };
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 6; ++c) {
            check(velmora::txtIM(10 * r + c));
            check(velmora::txtMinMat(10 * r + c));
        }
        check(velmora::txtSol(r));
    }
    check(velmora::txtDeterminant);
}

std::string MessageOf(const velmora::MemoryForm& form) {
    return form.messages().empty() ? "" : form.messages().front().prompt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    velmora::MemoryForm form;
    velmora::frmVLMain window(form);
    window.Form_Load();
    const int n = bytes.ConsumeIntegralInRange(1, 6);
    form.setText(velmora::txtMatSize, std::to_string(n));
    window.txtMatSize_LostFocus();
    if (bytes.ConsumeBool()) {
        form.selectOption(1);
    }
    const auto dim = static_cast<std::size_t>(n);
    std::vector<std::string> texts;
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            texts.push_back(NumberFrom(bytes));
            form.setText(velmora::txtMat(10 * r + c), texts.back());
        }
    }
    std::vector<std::string> yTexts;
    for (int r = 1; r <= n; ++r) {
        yTexts.push_back(NumberFrom(bytes));
        form.setText(velmora::txtY(r), yTexts.back());
    }
    const bool fractions = bytes.ConsumeBool();
    window.chkFractions_Click(fractions);
    window.cmdSolve_Click();
    CheckNoNonNumber(form);

    // The first refused coefficient, row by row, is reported.
    support::RationalMatrix a(dim, support::RationalVector(dim));
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const Reading reading = Strict(texts[k]);
        if (!reading.ok()) {
            const std::string expected = velmora::messages::CoefficientPrompt(
                static_cast<int>(k / dim) + 1, static_cast<int>(k % dim) + 1,
                reading.ec == ReadError::outOfRange);
            Expect("the refused coefficient", MessageOf(form), expected);
            Expect("the reset determinant", form.text(velmora::txtDeterminant), "");
            return 0;
        }
        a[k / dim][k % dim] = reading.value;
    }
    const auto shown = [fractions](const mpq_class& q, const std::string& decimal) {
        return fractions ? q.get_str() : decimal;
    };
    const mpq_class det = support::ExactDeterminantOf(a);
    Expect("the determinant", form.text(velmora::txtDeterminant),
           shown(det, support::NumberTextOf(det)));
    for (std::size_t r = 0; r < dim; ++r) {
        for (std::size_t c = 0; c < dim; ++c) {
            const mpq_class d =
                n == 1 ? mpq_class(1) : support::ExactDeterminantOf(support::Without(a, r, c));
            const mpq_class cell =
                form.isOptionSelected(0) ? d : ((r + c) % 2 == 0 ? 1 : -1) * d * a[r][c];
            Expect("a grid cell",
                   form.text(velmora::txtMinMat(static_cast<int>(10 * (r + 1) + c + 1))),
                   shown(cell, support::NumberTextOf(cell)));
        }
    }
    if (det == 0) {
        Expect("the zero determinant", MessageOf(form),
               std::string(velmora::messages::kZeroDeterminant.prompt));
        return 0;
    }
    const auto w = support::ExactInverse(a);
    for (std::size_t r = 0; r < dim; ++r) {
        for (std::size_t c = 0; c < dim; ++c) {
            const mpq_class& entry = (*w)[r][c];
            Expect("an inverse cell",
                   form.text(velmora::txtIM(static_cast<int>(10 * (r + 1) + c + 1))),
                   shown(entry, support::ThreeDecimalsAway(entry)));
        }
    }
    support::RationalVector y(dim);
    for (std::size_t r = 0; r < dim; ++r) {
        const Reading reading = Lenient(yTexts[r]);
        if (!reading.ok()) {
            Expect("the refused right-hand side", MessageOf(form),
                   velmora::messages::RightHandSidePrompt(static_cast<int>(r) + 1));
            Expect("the solution left empty", form.text(velmora::txtSol(1)), "");
            return 0;
        }
        y[r] = reading.value;
    }
    Expect("no message", MessageOf(form), "");
    const support::RationalVector x = support::Times(*w, y);
    for (std::size_t r = 0; r < dim; ++r) {
        Expect("a solution component", form.text(velmora::txtSol(static_cast<int>(r) + 1)),
               shown(x[r], support::NumberTextOf(x[r])));
    }
    return 0;
}
