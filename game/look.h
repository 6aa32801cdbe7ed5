#pragma once
// What a sighted player sees, for the low-vision player and for the people beside a blind one:
// the board as the cross, each hole showing its state by its shape (a filled disc for a peg, an
// empty ring for a hole, a ring with a small disc in it where the peg in hand was lifted), the
// centre marked by a square, the cursor a thick ring around the hole with the focus; the other
// screens' choices as large buttons with their keys. The game decides what is shown; each host
// draws it with its platform's means, in the colours below or the system's own high-contrast
// ones. Nothing here is read by a screen reader, which reads the controls as before.
// This header is shared with the page: keep it free of anything but the standard library.
#include "board/hole_table.h"
#include "board/key_codes.h"
#include "game/controls.h"
#include "game/screen.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tintineables {

enum class HoleLook : std::uint8_t { WithPeg, Empty, Lifted };

// A key a screen offers, shown as a button: the key as printed on the keyboard and what it
// does, both in the game's language.
struct ShownChoice {
    KeyCode key;
    std::string keyLabel;
    std::string name;
    friend bool operator==(const ShownChoice&, const ShownChoice&) = default;
};

struct FormLook {
    Screen screen = Screen::Menu;
    // The screen kept dark: nothing drawn at all, for a player who wants it so.
    bool curtain = false;
    // The board: each hole, Picture1 first, and the hole the cursor is on (NoHole: on Command9).
    std::array<HoleLook, HoleCount> holes{};
    int cursor = NoHole;
    // The menu, the tutorial and the credits: their keys, in the order a reader goes.
    std::vector<ShownChoice> choices;
    // The board's words for whoever sees it, a helper beside the player or a player who hears
    // badly: the last thing the board said, in the game's language (empty: nothing yet), and
    // its status line. Drawn below the cross, large, and never given to a screen reader, which
    // has the text mode. `captioned` false: the player hid them, and the cross has the window.
    // On the menu, the tutorial and the credits the caption is the sentence of the screen's
    // recording being said, and `nextCaption` the one said after it, drawn smaller.
    bool captioned = false;
    std::string caption;
    std::string nextCaption;
    std::string status;
    friend bool operator==(const FormLook&, const FormLook&) = default;
};

// A colour, 8 bits a channel, sRGB.
struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colours of what is drawn.
struct Palette {
    Rgb board;  // the window behind everything
    Rgb peg;    // a peg's disc
    Rgb hole;   // an empty hole's ring
    Rgb lifted; // the disc left where the peg in hand was lifted
    Rgb cursor; // the ring around the hole with the focus
    Rgb mark;   // the square around the centre
    Rgb text;   // the choices' names and frames
    Rgb key;    // the choices' keys
    friend bool operator==(const Palette&, const Palette&) = default;
};

// Drawn on black: white pegs and rings (told apart by shape, not colour), the cursor in the
// yellow that low-vision players are used to finding a focus by, the lifted mark in cyan.
// Every colour is at least 4.5:1 against the board (ContrastRatio).
inline constexpr Palette HighContrastPalette = {
    {0x00, 0x00, 0x00}, {0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF}, {0x00, 0xE5, 0xFF},
    {0xFF, 0xD0, 0x00}, {0xB0, 0xB0, 0xB0}, {0xFF, 0xFF, 0xFF}, {0xFF, 0xD0, 0x00},
};

// The system's own colours, where the player chose them (a high-contrast theme): the window's
// colour behind, its text's for pegs, rings and names, its selection's for the cursor and the
// lifted mark, or the text's where the selection stands out too little (under 3:1).
Palette SystemPalette(Rgb window, Rgb text, Rgb selection);

// The contrast ratio of two colours as WCAG 2 defines it, from 1 to 21.
double ContrastRatio(Rgb a, Rgb b);

// Whether a desktop's palette is one a player chose to see by: its text at least 7:1 against
// its window (WCAG's enhanced contrast), as high-contrast themes are.
bool IsHighContrast(Rgb window, Rgb text);

// The shapes, as fractions of a cell (the square a hole stands in) from its centre: the peg's
// disc and the hole's ring reach out to PegRadius, the ring's line LineWidth thick (never under
// 3 pixels), the lifted mark's disc LiftedRadius; the centre's square HalfSide from the centre
// out; the cursor's ring from CursorInner to CursorOuter (never under 3 pixels thick).
namespace Shape {
inline constexpr double PegRadius = 0.34;
inline constexpr double LineWidth = 0.08;
inline constexpr double LiftedRadius = 0.16;
inline constexpr double MarkHalfSide = 0.40;
inline constexpr double CursorInner = 0.42;
inline constexpr double CursorOuter = 0.49;
inline constexpr int LeastPixels = 3;
} // namespace Shape

// The captions in a band across the bottom of the window. On the board, under the cross: the
// status line, then the caption in two lines. On the spoken screens, under their buttons: the
// sentence being said in four lines, the next one in two. Their letters are at least 1.5 times
// the system's text (a low-vision player's scaling included) and grow with the window's width,
// the board's band a fifth of the width or what three lines of the smallest letters need. A
// window opens that much taller than wide, the cross or the buttons keeping their square.
struct CaptionBand {
    int letterPixels; // the letters' size (a font's pixel size)
    int leastPixels;  // the smallest a long caption's letters may be made: 1.5 times the system's
    int linePixels;   // a line's height
    int bandPixels;   // the band's height, the status line and the caption's two lines
};
inline constexpr int BoardCaptionLines = 3;
inline constexpr int SpokenCaptionLines = 6;
CaptionBand CaptionBandFor(int windowWidth, int systemTextPixels, int lines = BoardCaptionLines);

// A desktop window's client area as it first opens, in pixels at 96 dpi (a host scales it with
// the system's): the cross's 7 cells of 80 pixels.
inline constexpr int ShownClientPixels = 560;

} // namespace tintineables
