#pragma once
#include "board/key_codes.h"

namespace tintineables {

// What an arrow key does on a hole: move the focus to a neighbour, or meet the edge.
struct NavigationStep {
    enum class Kind { NotAnArrow, MoveTo, Edge };
    Kind kind = Kind::NotAnArrow;
    int targetHole = 0; // with MoveTo
};

NavigationStep Navigate(int hole, KeyCode keyCode);

} // namespace tintineables
