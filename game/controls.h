#pragma once
// The controls of a form, known to the game and its hosts by one number: on the board, the
// control's TabIndex. Picture1..Picture33 are 0..32, MMControl1 33, Command1..Command9 34..42;
// on the other forms MMControl1 is 0. NoControl is the form itself: no control holds the focus.
#include "board/hole_table.h"

namespace tintineables {

using ControlId = int;

inline constexpr ControlId NoControl = -1;
inline constexpr ControlId BoardMMControl = 33;
inline constexpr ControlId SpokenFormMMControl = 0;

constexpr ControlId PictureControl(int hole) { return hole - 1; }
constexpr ControlId CommandControl(int button) { return 33 + button; }
inline constexpr ControlId Command9Control = CommandControl(9);

// The hole a board control stands for, or NoHole for any other control.
constexpr int HoleOfControl(ControlId control) {
    return control >= 0 && control < HoleCount ? control + 1 : NoHole;
}

// The sound button a board control is, 1..9, or 0 for any other control.
constexpr int ButtonOfControl(ControlId control) {
    return control > BoardMMControl && control <= Command9Control ? control - BoardMMControl : 0;
}

} // namespace tintineables
