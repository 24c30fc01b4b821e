// Renders the background picture for the build, as the window would at one
// device pixel a pixel, and writes its raw pixels, row after row.
//   velmora_render_picture background.svg OUT
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "app/qt/picture.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: velmora_render_picture background.svg OUT\n", stderr);
        return 2;
    }
    // The same platform as the tests: the picture needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const QImage image = velmora::RenderPicture(QString::fromLocal8Bit(argv[1]), 1.0);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) !=
            image.sizeInBytes()) {
        std::fprintf(stderr, "velmora_render_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
