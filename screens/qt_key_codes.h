#pragma once
#include "board/key_codes.h"

class QKeyEvent;

namespace tintineables {

// The 16-bit virtual-key code of a Qt key press: Ctrl 17 from either Ctrl key, Escape 27,
// Space 32, arrows 37..40, F1..F12 112..123, letters and digits as their capitals; 0 for a
// key without one. The modifiers held are not part of the code.
KeyCode VirtualKeyOf(const QKeyEvent& event);

// Tab and Shift+Tab belong to Qt's focus chain and never reach a KeyDown.
bool IsTabKey(const QKeyEvent& event);

// One of the keys the game answers to on some screen, Tab and Shift+Tab included.
bool IsGameKey(const QKeyEvent& event);

} // namespace tintineables
