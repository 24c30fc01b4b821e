#pragma once

// The design tables are in twips; the widgets are placed in logical pixels
// at 96 dpi (Qt scales them for high-density screens by itself).

namespace velmora {

constexpr int kTwipsPerPixel = 15;

// The one conversion from twips to pixels, rounded to the nearest pixel
// (a half away from zero).
constexpr int Pixels(int twips) {
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

}  // namespace velmora
