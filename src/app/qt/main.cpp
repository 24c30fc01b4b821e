// Opens the window. It needs a graphical display: when none is named it says
// so in one line; when Qt cannot start for whatever reason, it passes on what
// Qt said and exits instead of letting Qt abort.

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

// While the application starts, Qt's messages are held back and shown once
// it has started. A fatal one ends the start: it is written after the
// messages that led to it (such as "could not connect to display"), which
// say why, and the program exits plainly instead of aborting.
void HoldStartUpMessages(QtMsgType type, const QMessageLogContext& /*context*/,
                         const QString& message) {
    g_startUpMessages.append({type, message});
    if (type == QtFatalMsg) {
        for (const auto& held : std::as_const(g_startUpMessages)) {
            std::fprintf(stderr, "velmora: %s\n", held.second.toLocal8Bit().constData());
        }
        std::_Exit(1);
    }
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
