#pragma once
#include <array>
#include <cstdint>

namespace tintineables {

inline constexpr std::int16_t Peg = -1;
inline constexpr std::int16_t NoPeg = 0;

// The 7 x 7 board, stored row by row: cell (x, y) is element (y - 1) * 7 + (x - 1).
// x is the column from the left, y the row from the bottom, both 1..7. Every access is
// checked: an index off the grid is a RunTimeError, never a read of a neighbouring field.
class Grid {
public:
    static constexpr int Size = 7;

    std::int16_t At(int x, int y) const { return cells_[IndexOf(x, y)]; }
    void Set(int x, int y, std::int16_t value) { cells_[IndexOf(x, y)] = value; }

private:
    static std::size_t IndexOf(int x, int y);

    std::array<std::int16_t, Size * Size> cells_{};
};

} // namespace tintineables
