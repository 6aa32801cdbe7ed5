#pragma once
// The cross and its jumps written afresh from the rules, apart from the game's hole table, jumps
// and solver: what a test judges the game's answers against.
#include <array>
#include <cstdint>
#include <unordered_map>

namespace tintineables::testing {

// Cell (x, y) as bit (y - 1) * 7 + (x - 1) of the 7 x 7 grid; a hole is a cell with x or y in
// 3..5; x the column from the left, y the row from the bottom.
using Cells = std::uint64_t;
bool OnCross(int x, int y);
Cells Cell(int x, int y);

// A picture, top row first, X a peg, as the classic problems are drawn in books.
Cells Drawn(const std::array<const char*, 7>& rows);

struct Place {
    int x, y;
    friend bool operator==(const Place&, const Place&) = default;
};
// The hole of a number, 1..33: numbered row by row from the bottom, left to right in a row.
Place HoleNumbered(int number);

// Every order of jumps, each position judged once: whether one peg can end in the centre.
class ExhaustiveSearch {
public:
    bool Winnable(Cells cells);

private:
    std::unordered_map<Cells, bool> judged_;
};

} // namespace tintineables::testing
