#include "board/grid.h"

#include "sound/run_time_error.h"

#include <string>

namespace tintineables {

std::size_t Grid::IndexOf(int x, int y) {
    if (x < 1 || x > Size || y < 1 || y > Size) {
        throw RunTimeError("Subscript out of range: board cell (" + std::to_string(x) + ", " +
                           std::to_string(y) + ")");
    }
    return static_cast<std::size_t>((y - 1) * Size + (x - 1));
}

} // namespace tintineables
