// The pixels of the background picture that the build rendered, as they
// lie in the program: assembled in as they are, neither compressed nor
// spelt out as a C++ array, which would cost the build seconds.
#include "app/qt/picture.h"

asm(R"(
    .section .rodata
    .balign 16
    .type velmora_picture_pixels, @object
velmora_picture_pixels:
    .incbin ")" VELMORA_PICTURE_FILE R"("
    .size velmora_picture_pixels, . - velmora_picture_pixels
    .previous
)");

extern "C" const unsigned char velmora_picture_pixels[];

namespace velmora {

QImage RenderedPicture() {
    return {velmora_picture_pixels, kPictureSize.width(), kPictureSize.height(),
            QImage::Format_RGB32};
}

}  // namespace velmora
