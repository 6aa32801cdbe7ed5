#pragma once
#include "board/key_codes.h"

#include <cstdint>

class QKeyEvent;

namespace tintineables {

// The 16-bit virtual-key code of a Qt key press: Ctrl 17 from either Ctrl key, Escape 27,
// Space 32, arrows 37..40, F1..F12 112..123, Tab and Shift+Tab 9, letters and digits as their
// capitals; 0 for a key without one. The modifiers held are not part of the code.
KeyCode VirtualKeyOf(const QKeyEvent& event);

// The shift state of a key press, as a KeyDown takes it: 1 Shift, 2 Ctrl, 4 Alt. Shift+Tab
// counts as held Shift even where Qt reports it as a key of its own (Backtab).
std::int16_t ShiftStateOf(const QKeyEvent& event);

} // namespace tintineables
