// Opens the window. It needs a graphical display; without one it says so in
// one line instead of letting Qt abort.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "app/qt/qt_form.h"

namespace {

constexpr const char* kNoDisplay =
    "velmora: no graphical display could be opened; run it on a desktop, or under a virtual "
    "display: xvfb-run tools/run.sh\n";

QtMessageHandler g_qtHandler = nullptr;
QList<std::pair<QtMsgType, QString>> g_startUpMessages;

// While the application starts, Qt's messages are held back: its fatal
// "could not connect to display" becomes our one line and a plain exit, and
// the warnings that led to it are not shown.
void HoldStartUpMessages(QtMsgType type, const QMessageLogContext& /*context*/,
                         const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplay, stderr);
        std::_Exit(1);
    }
    g_startUpMessages.append({type, message});
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs(kNoDisplay, stderr);
        return 1;
    }
    g_qtHandler = qInstallMessageHandler(HoldStartUpMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_qtHandler);
    for (const auto& [type, message] : g_startUpMessages) {
        if (g_qtHandler != nullptr) {  // Qt hands back its default handler
            g_qtHandler(type, QMessageLogContext(), message);
        }
    }

    velmora::QtForm::prepareApplication();
    velmora::QtForm window;
    window.show();
    return QApplication::exec();
}
