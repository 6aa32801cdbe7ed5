#pragma once
#include "board/key_codes.h"

namespace tintineables {

// The keys that mean something to the game on some screen: arrows, Space, Ctrl, F1..F4,
// Escape, Tab, Backspace, the letters of the board's questions, its sweeps and its text mode, Page
// Up and Page Down for the puzzles, and the keys of the player's own sound. A host keeps its
// platform's own meaning of these away from the game's windows (a browser's help, find, back,
// scrolling); every other key keeps its platform meaning, and the game does nothing with it. The
// keys of the player's own sound, the same on every screen. Held with Ctrl or Alt they are the
// platform's (a browser zooms with Ctrl and minus or plus). The curtain's key among them: it fits
// what is shown to the player, as these fit what is heard.
constexpr bool IsSoundKey(KeyCode code) {
    switch (code) {
    case Key::Curtain:
    case Key::F8:
    case Key::Digit7:
    case Key::Digit8:
    case Key::Digit9:
    case Key::Digit0:
    case Key::Minus:
    case Key::Equals:
        return true;
    default:
        return false;
    }
}

constexpr bool IsGameKey(KeyCode code) {
    if (IsSoundKey(code)) {
        return true;
    }
    switch (code) {
    case Key::Backspace:
    case Key::Tab:
    case Key::Control:
    case Key::Escape:
    case Key::Space:
    case Key::Left:
    case Key::Up:
    case Key::Right:
    case Key::Down:
    case Key::A:
    case Key::B:
    case Key::C:
    case Key::E:
    case Key::F:
    case Key::G:
    case Key::L:
    case Key::P:
    case Key::S:
    case Key::T:
    case Key::V:
    case Key::F1:
    case Key::F2:
    case Key::F3:
    case Key::F4:
    case Key::PageUp:
    case Key::PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace tintineables
