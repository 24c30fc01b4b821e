#pragma once

// The window's background picture: the drawing (background.svg) rendered on
// the picture's green. Rendering it costs a sixth of the start-up, so the
// build renders it once at one device pixel a pixel, with this function,
// into pixels that the program only copies (render_picture.cpp); the
// program renders it itself at any other scale.

#include <QImage>
#include <QSize>
#include <QString>

namespace velmora {

inline constexpr QSize kPictureSize{800, 600};  // pixels, drawn unscaled from the origin

// The drawing in the SVG file `path`, at `pixelRatio` device pixels a pixel,
// in the format of the window's pixmaps on a 24-bit screen.
[[nodiscard]] QImage RenderPicture(const QString& path, qreal pixelRatio);

// The build's rendering at one device pixel a pixel, over the program's
// own bytes (in the window's library, picture_pixels.cpp).
[[nodiscard]] QImage RenderedPicture();

}  // namespace velmora
