// Renders the window's pictures for the build, as the window would, and
// writes their raw pixels, row after row: the background at one device
// pixel a pixel into one file, the icon at each of its sizes, smallest
// first, into another.
//   velmora_render_picture background.svg icon.svg PICTURE_OUT ICON_OUT
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <cstdio>
#include <vector>

#include "app/qt/picture.h"

namespace {

bool Write(const char* path, const std::vector<QImage>& images) {
    QFile out(QString::fromLocal8Bit(path));
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    for (const QImage& image : images) {
        if (out.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) !=
            image.sizeInBytes()) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fputs("usage: velmora_render_picture background.svg icon.svg PICTURE_OUT ICON_OUT\n",
                   stderr);
        return 2;
    }
    // The same platform as the tests: the pictures need no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    if (!QImageReader::supportedImageFormats().contains("svg")) {
        std::fputs("velmora_render_picture: Qt's SVG image plugin is missing\n", stderr);
        return 1;
    }
    std::vector<QImage> icons;
    icons.reserve(velmora::kIconSizes.size());
    for (const int size : velmora::kIconSizes) {
        icons.push_back(velmora::RenderIcon(QString::fromLocal8Bit(argv[2]), size));
    }
    if (!Write(argv[3], {velmora::RenderPicture(QString::fromLocal8Bit(argv[1]), 1.0)}) ||
        !Write(argv[4], icons)) {
        std::fputs("velmora_render_picture: cannot write the pixels\n", stderr);
        return 1;
    }
    return 0;
}
