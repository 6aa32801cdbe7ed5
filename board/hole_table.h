#pragma once
#include <array>

namespace tintineables {

// The 33 holes of the cross, numbered row by row from the bottom row, left to right
// (hole n is the board screen's PictureN). Rows 1, 2, 6, 7 have holes in columns 3..5 only.
inline constexpr int HoleCount = 33;
inline constexpr int CentreHole = 17; // cell (4, 4)
inline constexpr int NoHole = 0;      // an arrow that meets the edge of the board

enum class Direction { Left, Up, Right, Down };

struct Hole {
    int number;
    int x;
    int y;
    std::array<int, 4> neighbour; // by Direction; NoHole at the edge
};

extern const std::array<Hole, HoleCount> HoleTable;

// Hole 1..33; any other number is a RunTimeError.
const Hole& HoleByNumber(int number);

// The hole at cell (x, y), or NoHole for a cell off the cross or off the grid.
int HoleNumberAt(int x, int y);

} // namespace tintineables
