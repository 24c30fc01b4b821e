#include "app/qt/app_identity.h"

#include <QApplication>

#include "app/qt/picture.h"

namespace velmora {

void SetDesktopIdentity() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    // The same drawing as the installed icon, rendered by the build.
    QApplication::setWindowIcon(ApplicationIcon());
}

}  // namespace velmora
