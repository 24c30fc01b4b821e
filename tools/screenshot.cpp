// Renders the window offscreen into a PNG, for the README and for checking
// the look by eye.
//
//   velmora_screenshot OUT.png start|n6|solved
//
// start   the window as it opens;
// n6      dimension 6 with long numbers in every input cell and long texts in
//         every result, to check that every field stays readable;
// solved  a 3 x 3 system after a click on "Solve".

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>
#include <string>
#include <string_view>

#include "app/qt/qt_form.h"
#include "form/form.h"

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

}  // namespace

int main(int argc, char* argv[]) {
    // The scenario has its default in tools/screenshot.sh only.
    if (argc != 3) {
        std::fputs("usage: velmora_screenshot OUT.png start|n6|solved\n", stderr);
        return 2;
    }
    const std::string_view scenario = argv[2];
    if (scenario != "start" && scenario != "n6" && scenario != "solved") {
        std::fprintf(stderr, "velmora_screenshot: unknown scenario '%s'\n", argv[2]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QtForm::prepareApplication();
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
