// Renders the window offscreen into a PNG, for the README and for checking
// the look by eye.
//
//   velmora_screenshot OUT.png start|n6|solved
//   velmora_screenshot OUT.png|OUT.pdf steps3|steps-singular|steps6
//
// start   the window as it opens;
// n6      dimension 6 with long numbers in every input cell and long texts in
//         every result, to check that every field stays readable;
// solved  a 3 x 3 system after a click on "Solve";
// steps3  the Steps window of a 3 x 3 system with 1/3 and -123456.789 in it;
// steps-singular  that of a singular 3 x 3 system;
// steps6  that of a 6 x 6 system with two-decimal entries.
// A name ending in ".pdf" prints the Steps window's content to that file.

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/qt/qt_form.h"
#include "app/qt/steps_window.h"
#include "exact/exact_matrix.h"
#include "form/form.h"
#include "steps/steps.h"

namespace {

using namespace velmora;

void EnterDimension(QtForm& form, int n) {
    form.setText(txtMatSize, std::to_string(n));
    form.logic().txtMatSize_LostFocus();
}

void FillLongNumbers(QtForm& form) {
    EnterDimension(form, 6);
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 6; ++c) {
            const int k = 10 * r + c;
            form.setText(txtMat(k), "-123456.789012");
            form.setText(txtIM(k), "-12345.679");
            form.setText(txtMinMat(k), "-1.23456789012346E+15");
        }
        form.setText(txtY(r), "-123456.789012");
        form.setText(txtSol(r), "-0.123456789012346");
    }
    form.setText(txtDeterminant, "-1.23456789012346E+15");
}

void Solve3x3(QtForm& form) {
    constexpr int kA[3][3] = {{2, 1, 1}, {1, 3, 2}, {1, 0, 0}};
    constexpr int kY[3] = {4, 5, 6};
    EnterDimension(form, 3);
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c) {
            form.setText(txtMat(10 * r + c), std::to_string(kA[r - 1][c - 1]));
        }
        form.setText(txtY(r), std::to_string(kY[r - 1]));
    }
    // As a click does: the button takes the focus (leaving the dimension
    // field applies it), then it is pressed.
    form.solveButton()->setFocus(Qt::MouseFocusReason);
    form.solveButton()->click();
}

// The steps of the system whose rows are given as texts, y last in each.
SolveSteps StepsOfRows(const std::vector<std::vector<std::string>>& rows) {
    const int n = static_cast<int>(rows.size());
    RationalMatrix a(n, n);
    RationalVector y(n);
    for (int r = 1; r <= n; ++r) {
        const auto& row = rows[static_cast<std::size_t>(r - 1)];
        for (int c = 1; c <= n; ++c) {
            a(r, c) = ReadExactStrict(row[static_cast<std::size_t>(c - 1)]).value;
        }
        y(r) = ReadExactStrict(row.back()).value;
    }
    return StepsOf(a, y);
}

SolveSteps StepsOfScenario(std::string_view scenario) {
    if (scenario == "steps3") {
        return StepsOfRows({{"1/3", "2", "-123456.789", "1"},
                            {"1", "0", "4", "-123456.789"},
                            {"2", "1/3", "1", "2"}});
    }
    if (scenario == "steps-singular") {
        return StepsOfRows({{"1", "2", "3", "1"}, {"4", "5", "6", "2"}, {"7", "8", "9", "4"}});
    }
    // As the Solve benchmark's system: 10.55 on the diagonal, (r - c) / 4 off it.
    std::vector<std::vector<std::string>> rows(6);
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 6; ++c) {
            rows[static_cast<std::size_t>(r - 1)].push_back(r == c ? "10.55"
                                                                   : std::to_string(r - c) + "/4");
        }
        rows[static_cast<std::size_t>(r - 1)].push_back(std::to_string(r) + ".25");
    }
    return StepsOfRows(rows);
}

int ShowSteps(const char* out, std::string_view scenario) {
    StepsWindow window;
    window.show(StepsOfScenario(scenario));
    QApplication::processEvents();
    const QString file = QString::fromLocal8Bit(out);
    const bool written = file.endsWith(QStringLiteral(".pdf")) ? window.writePdf(file)
                                                               : window.grab().save(file, "PNG");
    if (!written) {
        std::fprintf(stderr, "velmora_screenshot: cannot write %s\n", out);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The scenario has its default in tools/screenshot.sh only.
    if (argc != 3) {
        std::fputs(
            "usage: velmora_screenshot OUT.png start|n6|solved|steps3|steps-singular|steps6\n",
            stderr);
        return 2;
    }
    const std::string_view scenario = argv[2];
    const bool steps = scenario == "steps3" || scenario == "steps-singular" || scenario == "steps6";
    if (scenario != "start" && scenario != "n6" && scenario != "solved" && !steps) {
        std::fprintf(stderr, "velmora_screenshot: unknown scenario '%s'\n", argv[2]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QtForm::prepareApplication();
    if (steps) {
        return ShowSteps(argv[1], scenario);
    }
    QtForm form;
    form.show();
    // Let the window become active and give out its first focus.
    QApplication::processEvents();
    if (scenario == "n6") {
        FillLongNumbers(form);
    } else if (scenario == "solved") {
        Solve3x3(form);
    }
    QApplication::processEvents();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "velmora_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
