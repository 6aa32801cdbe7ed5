#include "game/look.h"

#include <algorithm>
#include <cmath>

namespace tintineables {

namespace {

// A channel's share of the light, linear, from its sRGB value.
double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
    return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

} // namespace

double ContrastRatio(Rgb a, Rgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsHighContrast(Rgb window, Rgb text) { return ContrastRatio(window, text) >= 7.0; }

Palette SystemPalette(Rgb window, Rgb text, Rgb selection) {
    const Rgb standOut = ContrastRatio(window, selection) >= 3.0 ? selection : text;
    return {window, text, text, standOut, standOut, text, text, standOut};
}

CaptionBand CaptionBandFor(int windowWidth, int systemTextPixels, int lines) {
    constexpr double LineHeight = 1.3; // times the letters' size
    const int least = static_cast<int>(std::ceil(1.5 * systemTextPixels));
    const int grown = static_cast<int>(windowWidth / 5 / (BoardCaptionLines * LineHeight));
    const int letters = std::max(least, grown);
    const int line = static_cast<int>(std::ceil(letters * LineHeight));
    return {letters, least, line, lines * line};
}

} // namespace tintineables
