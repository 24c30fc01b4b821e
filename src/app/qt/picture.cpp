#include "app/qt/picture.h"

#include <QImageReader>

#include "app/qt/design_to_qt.h"
#include "form/design.h"

namespace velmora {

namespace {

// Qt's SVG image plugin draws the file over `ground`; the program loads it
// only when it renders, which it seldom does.
QImage Render(const QString& path, QSize size, QColor ground) {
    QImageReader reader(path, "svg");
    reader.setScaledSize(size);
    reader.setBackgroundColor(ground);
    QImage image = reader.read();
    if (image.isNull()) {
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(ground);
    }
    return image;
}

}  // namespace

QImage RenderPicture(const QString& path, qreal pixelRatio) {
    QImage image = Render(path, kPictureSize * pixelRatio, ToQColor(design::kPictureGreen))
                       .convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

QImage RenderIcon(const QString& path, int size) {
    return Render(path, QSize(size, size), Qt::transparent)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace velmora
