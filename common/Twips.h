#pragma once

// Layouts are typed in twips exactly as designed; the screen works in
// logical pixels, 15 twips to the pixel.
namespace twips {

inline constexpr int PerPixel = 15;
inline constexpr int PerInch = 1440;

constexpr int toPixels(int t) {
    return t / PerPixel;
}
constexpr int fromPixels(int px) {
    return px * PerPixel;
}

} // namespace twips
