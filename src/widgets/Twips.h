#pragma once

#include <QRect>

namespace bw {

// Layouts are given in twips; at 96 dots per inch a device-independent pixel is 15 twips, and
// Qt scales device-independent pixels for high-density screens by itself. Layouts are fixed, so
// the conversion happens while compiling and the program carries only the pixels.
consteval int TwipsToPixels(int twips) {
    return (twips + 7) / 15;
}

consteval QRect TwipRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

} // namespace bw
