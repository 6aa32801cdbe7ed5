#include "screens/qt_key_codes.h"

#include <QKeyEvent>

namespace tintineables {

namespace {

struct KeyPair {
    int qtKey;
    KeyCode code;
};

// The keys whose Qt code differs from their virtual-key code; F1..F12, letters and digits
// follow below by rule.
constexpr KeyPair NamedKeys[] = {
    {Qt::Key_Control, Key::Control},
    {Qt::Key_Escape, Key::Escape},
    {Qt::Key_Space, Key::Space},
    {Qt::Key_Left, Key::Left},
    {Qt::Key_Up, Key::Up},
    {Qt::Key_Right, Key::Right},
    {Qt::Key_Down, Key::Down},
    {Qt::Key_Shift, 16},
    {Qt::Key_Alt, 18},
    {Qt::Key_Backspace, Key::Backspace},
    {Qt::Key_Tab, Key::Tab},
    {Qt::Key_Backtab, Key::Tab},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
};

// The keys the game knows by their place on the keyboard, whatever a layout prints on them (a
// French keyboard's 7 is "è"): the row of digits' end and the key left of 1, by the X and Wayland
// keycodes of those places (the kernel's code and 8).
constexpr KeyPair KeysByPlace[] = {
    {16, Key::Digit7}, {17, Key::Digit8}, {18, Key::Digit9},  {19, Key::Digit0},
    {20, Key::Minus},  {21, Key::Equals}, {49, Key::Curtain},
};

// The same keys as a platform with no keycodes (Qt's offscreen one) names them.
constexpr KeyPair KeysByName[] = {
    {Qt::Key_Minus, Key::Minus},         {Qt::Key_Equal, Key::Equals},
    {Qt::Key_Plus, Key::Equals},         {Qt::Key_QuoteLeft, Key::Curtain}, // ` on a US keyboard
    {Qt::Key_masculine, Key::Curtain},                                      // º on a Spanish one
    {Qt::Key_twosuperior, Key::Curtain},                                    // ² on a French one
};

} // namespace

KeyCode VirtualKeyOf(const QKeyEvent& event) {
    for (const KeyPair& pair : KeysByPlace) {
        if (static_cast<int>(event.nativeScanCode()) == pair.qtKey) {
            return pair.code;
        }
    }
    const int key = event.key();
    for (const KeyPair& pair : KeysByName) {
        if (pair.qtKey == key) {
            return pair.code;
        }
    }
    for (const KeyPair& pair : NamedKeys) {
        if (pair.qtKey == key) {
            return pair.code;
        }
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        return static_cast<KeyCode>(Key::F1 + (key - Qt::Key_F1));
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return static_cast<KeyCode>(key); // Qt uses the same codes as the virtual keys here
    }
    return 0;
}

std::int16_t ShiftStateOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    const bool shift = (m & Qt::ShiftModifier) || event.key() == Qt::Key_Backtab;
    return static_cast<std::int16_t>((shift ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                                     (m & Qt::AltModifier ? 4 : 0));
}

} // namespace tintineables
