#include "app/qt/app_identity.h"

#include <QApplication>
#include <QIcon>

namespace velmora {

void SetDesktopIdentity() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    // The same drawing as the installed icon, compiled into the resources.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora/icon.svg")));
}

}  // namespace velmora
