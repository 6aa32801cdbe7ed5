#pragma once
// A solution of the 33-hole cross that ends in the centre, found by a depth-first search over
// the board: 31 jumps, (from, to) by hole number. Before the last jump the two pegs left stand
// at holes 18 and 19.
#include <array>
#include <utility>

namespace tintineables::testing {

inline constexpr std::array<std::pair<int, int>, 31> WinningJumps = {{
    {15, 17}, {4, 16},  {7, 9},   {21, 7},  {16, 4},  {1, 9},   {23, 21}, {31, 23},
    {10, 8},  {7, 9},   {2, 10},  {10, 8},  {24, 22}, {21, 23}, {32, 24}, {24, 22},
    {12, 10}, {3, 11},  {11, 9},  {8, 10},  {10, 24}, {25, 23}, {22, 24}, {33, 25},
    {18, 30}, {27, 25}, {24, 26}, {13, 27}, {27, 25}, {30, 18}, {19, 17},
}};

} // namespace tintineables::testing
