// Opens the window. It needs a graphical display; without one it says so in
// one line instead of letting Qt abort.

#include <QApplication>
#include <cstdio>

#include "app/qt/qt_form.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs(
            "velmora: no graphical display (DISPLAY and WAYLAND_DISPLAY are unset); run it on a "
            "desktop, or under a virtual display: xvfb-run velmora\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    velmora::QtForm::prepareApplication();
    velmora::QtForm window;
    window.show();
    return QApplication::exec();
}
