#include "app/qt/picture.h"

#include <QPainter>
#include <QSvgRenderer>

#include "app/qt/design_to_qt.h"
#include "form/design.h"

namespace velmora {

QImage RenderPicture(const QString& path, qreal pixelRatio) {
    QImage image(kPictureSize * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(ToQColor(design::kPictureGreen));
    QSvgRenderer renderer(path);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(kPictureSize)));
    }
    return image;
}

}  // namespace velmora
