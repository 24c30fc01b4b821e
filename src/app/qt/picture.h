#pragma once

// The window's pictures: the background (background.svg) rendered on the
// picture's green, and the application's icon. Rendering them costs a
// fifth of the start-up, so the build renders them once, with these
// functions, into pixels that the program only copies (render_picture.cpp):
// the background at one device pixel a pixel (the program renders it
// itself at any other scale), the icon at the sizes a window system asks
// for.

#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>
#include <array>

namespace velmora {

inline constexpr QSize kPictureSize{800, 600};  // pixels, drawn unscaled from the origin
inline constexpr std::array<int, 4> kIconSizes{16, 32, 64, 128};  // pixels, square

// The drawing in the SVG file `path`, at `pixelRatio` device pixels a pixel,
// in the format of the window's pixmaps on a 24-bit screen.
[[nodiscard]] QImage RenderPicture(const QString& path, qreal pixelRatio);

// The icon drawn in the SVG file `path`, `size` pixels square, on a
// transparent ground.
[[nodiscard]] QImage RenderIcon(const QString& path, int size);

// The build's renderings, over the program's own bytes (in the window's
// library, picture_pixels.cpp): the background at one device pixel a
// pixel, and the icon at each of kIconSizes.
[[nodiscard]] QImage RenderedPicture();
[[nodiscard]] QImage RenderedIcon(int size);
[[nodiscard]] QIcon ApplicationIcon();

}  // namespace velmora
