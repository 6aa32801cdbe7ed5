#pragma once
// How the four windows are laid out, in twips (1/1440 inch; 15 twips a pixel at 96 dpi).
#include "screens/screen.h"

#include <QRect>
#include <QString>

#include <array>

namespace tintineables {

inline constexpr int TwipsPerPixel = 15;
inline constexpr int ClientWidthTwips = 4680;  // 312 pixels
inline constexpr int ClientHeightTwips = 3090; // 206 pixels

struct TwipsRect {
    int left, top, width, height;
    QRect Pixels() const {
        return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
                height / TwipsPerPixel};
    }
};

// Texts a player reads or hears from the screen reader are written in Spanish, the original,
// and translated when shown (QCoreApplication::translate in this context).
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

// The board's controls in TabIndex order: Picture1..Picture33 (0..32), MMControl1 (33),
// Command1..Command9 (34..42).
struct BoardControlDesign {
    QString name;
    int tabIndex;
    TwipsRect rect;
    bool visible;
    QString caption; // the buttons' only
};

inline constexpr int BoardControlCount = 43;
const std::array<BoardControlDesign, BoardControlCount>& BoardControls();

// What a screen reader says of the one visible button, Command9, in the captions' language.
inline constexpr const char* Command9AccessibleName =
    QT_TRANSLATE_NOOP("tintineables", "Sonido del centro con bola");

// A text of the design data in the language the game speaks.
QString Translated(const char* text);

} // namespace tintineables
