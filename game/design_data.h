#pragma once
// How the four windows are laid out, in twips (1/1440 inch; 15 twips a pixel at 96 dpi), and
// the texts they show. A host builds its windows and controls from this.
#include "game/controls.h"
#include "game/screen.h"

#include <array>
#include <string>

// Texts a player reads, or hears from a screen reader, are written in Spanish, the original,
// and shown translated into the game's language by the host. Qt's lupdate collects them from
// this marker, which it reads as QT_TRANSLATE_NOOP (context, text).
#define TINTINEABLES_TEXT(context, text) text

namespace tintineables {

inline constexpr int TwipsPerPixel = 15;
inline constexpr int ClientWidthTwips = 4680;  // 312 pixels
inline constexpr int ClientHeightTwips = 3090; // 206 pixels

struct TwipsRect {
    int left, top, width, height;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// The context of every text to translate.
inline constexpr const char* TranslationContext = "tintineables";

struct FormDesign {
    Screen screen;
    const char* formName; // Form1..Form4
    const char* caption;  // UTF-8, to translate
    bool keyPreview;
    TwipsRect mmControl;
    // The credits window has no maximize box: a setting switched off that leaves its keys alone.
    bool maxButton;
};

const FormDesign& DesignOf(Screen screen);

enum class ControlKind { Hole, Button, MultimediaControl };

// The board's controls in TabIndex order: Picture1..Picture33 (0..32), MMControl1 (33),
// Command1..Command9 (34..42).
struct BoardControlDesign {
    std::string name;
    ControlKind kind;
    ControlId tabIndex;
    TwipsRect rect;
    bool visible;
    std::string caption; // the buttons' only
};

inline constexpr int BoardControlCount = 43;
const std::array<BoardControlDesign, BoardControlCount>& BoardControls();

// What a screen reader says of the one visible button, Command9, in the captions' language.
inline constexpr const char* Command9AccessibleName =
    TINTINEABLES_TEXT("tintineables", "Sonido del centro con bola");

} // namespace tintineables
