// The pixels of the pictures that the build rendered, as they lie in the
// program: assembled in as they are, neither compressed nor spelt out as a
// C++ array, which would cost the build seconds.
#include <QPixmap>
#include <cstddef>

#include "app/qt/picture.h"

// clang-format off
#define VELMORA_PIXELS(name, file)              \
    asm("    .section .rodata\n"                \
        "    .balign 16\n"                      \
        "    .type " #name ", @object\n"        \
        #name ":\n"                             \
        "    .incbin \"" file "\"\n"            \
        "    .size " #name ", . - " #name "\n"  \
        "    .previous\n")
// clang-format on

VELMORA_PIXELS(velmora_picture_pixels, VELMORA_PICTURE_FILE);
VELMORA_PIXELS(velmora_icon_pixels, VELMORA_ICON_FILE);

extern "C" const unsigned char velmora_picture_pixels[];
extern "C" const unsigned char velmora_icon_pixels[];

namespace velmora {

QImage RenderedPicture() {
    return {velmora_picture_pixels, kPictureSize.width(), kPictureSize.height(),
            QImage::Format_RGB32};
}

QImage RenderedIcon(int size) {
    std::size_t offset = 0;
    for (const int each : kIconSizes) {
        if (each == size) {
            return {velmora_icon_pixels + offset, size, size, QImage::Format_ARGB32_Premultiplied};
        }
        offset += static_cast<std::size_t>(each) * static_cast<std::size_t>(each) * 4;
    }
    return {};
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addPixmap(QPixmap::fromImage(RenderedIcon(size)));
    }
    return icon;
}

}  // namespace velmora
