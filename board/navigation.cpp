#include "board/navigation.h"

#include "board/hole_table.h"

namespace tintineables {

NavigationStep Navigate(int hole, KeyCode keyCode) {
    Direction direction;
    switch (keyCode) {
    case Key::Left:
        direction = Direction::Left;
        break;
    case Key::Up:
        direction = Direction::Up;
        break;
    case Key::Right:
        direction = Direction::Right;
        break;
    case Key::Down:
        direction = Direction::Down;
        break;
    default:
        return {};
    }
    const int target = HoleByNumber(hole).neighbour[static_cast<std::size_t>(direction)];
    if (target == NoHole) {
        return {NavigationStep::Kind::Edge, NoHole};
    }
    return {NavigationStep::Kind::MoveTo, target};
}

} // namespace tintineables
