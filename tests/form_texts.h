#pragma once

// The logic tests' way into the window on the in-memory form: typing a
// matrix and a vector into the fields, and reading a block of a grid or a
// vector back as texts.

#include <gtest/gtest.h>

#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>
#include <vector>

#include "app/frm_vl_main.h"
#include "form/form.h"
#include "form/memory_form.h"

namespace velmora::testing_support {

using Texts = std::vector<std::string>;
using Rows = std::vector<Texts>;

// A window after start-up, laid out for dimension n as the user does it:
// typing n and leaving the field. Tests type into `form` and press the
// buttons through `logic`.
struct Window {
    MemoryForm form;
    frmVLMain logic{form};

    explicit Window(int n = 3) {
        logic.Form_Load();
        form.setText(txtMatSize, std::to_string(n));
        logic.txtMatSize_LostFocus();
    }
};

// Row r, column c of `rows` into txtMat(10 * (r + 1) + c + 1).
inline void SetMatrix(MemoryForm& form, const Rows& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            form.setText(txtMat(static_cast<int>(10 * (r + 1) + c + 1)), rows[r][c]);
        }
    }
}

inline void SetY(MemoryForm& form, const Texts& y) {
    for (std::size_t i = 0; i < y.size(); ++i) {
        form.setText(txtY(static_cast<int>(i + 1)), y[i]);
    }
}

// The n x n block of a matrix-shaped array, row by row.
inline Texts Grid(const MemoryForm& form, FieldId (*array)(int), int n) {
    Texts texts;
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            texts.push_back(form.text(array(10 * r + c)));
        }
    }
    return texts;
}

// Members 1..n of a vector-shaped array.
inline Texts Column(const MemoryForm& form, FieldId (*array)(int), int n) {
    Texts texts;
    for (int i = 1; i <= n; ++i) {
        texts.push_back(form.text(array(i)));
    }
    return texts;
}

// The texts of the identity as the reset writes it into txtIM.
inline Texts Identity(int n) {
    Texts texts;
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            texts.emplace_back(r == c ? "1" : "0");
        }
    }
    return texts;
}

// A field's text as a number, read by the standard library.
inline double Parse(const std::string& text) {
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(ec == std::errc() && end == text.data() + text.size()) << '"' << text << '"';
    return value;
}

}  // namespace velmora::testing_support
