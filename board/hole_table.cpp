#include "board/hole_table.h"

#include "sound/run_time_error.h"

#include <string>

namespace tintineables {

namespace {
constexpr int E = NoHole;
} // namespace

// clang-format off
const std::array<Hole, HoleCount> HoleTable = {{
    //  n   x  y    Left Up  Right Down
    {   1,  3, 1, {  E,   4,   2,  E  }},
    {   2,  4, 1, {  1,   5,   3,  E  }},
    {   3,  5, 1, {  2,   6,   E,  E  }},
    {   4,  3, 2, {  E,   9,   5,  1  }},
    {   5,  4, 2, {  4,  10,   6,  2  }},
    {   6,  5, 2, {  5,  11,   E,  3  }},
    {   7,  1, 3, {  E,  14,   8,  E  }},
    {   8,  2, 3, {  7,  15,   9,  E  }},
    {   9,  3, 3, {  8,  16,  10,  4  }},
    {  10,  4, 3, {  9,  17,  11,  5  }},
    {  11,  5, 3, { 10,  18,  12,  6  }},
    {  12,  6, 3, { 11,  19,  13,  E  }},
    {  13,  7, 3, { 12,  20,   E,  E  }},
    {  14,  1, 4, {  E,  21,  15,  7  }},
    {  15,  2, 4, { 14,  22,  16,  8  }},
    {  16,  3, 4, { 15,  23,  17,  9  }},
    {  17,  4, 4, { 16,  24,  18, 10  }},
    {  18,  5, 4, { 17,  25,  19, 11  }},
    {  19,  6, 4, { 18,  26,  20, 12  }},
    {  20,  7, 4, { 19,  27,   E, 13  }},
    {  21,  1, 5, {  E,   E,  22, 14  }},
    {  22,  2, 5, { 21,   E,  23, 15  }},
    {  23,  3, 5, { 22,  28,  24, 16  }},
    {  24,  4, 5, { 23,  29,  25, 17  }},
    {  25,  5, 5, { 24,  30,  26, 18  }},
    {  26,  6, 5, { 25,   E,  27, 19  }},
    {  27,  7, 5, { 26,   E,   E, 20  }},
    {  28,  3, 6, {  E,  31,  29, 23  }},
    {  29,  4, 6, { 28,  32,  30, 24  }},
    {  30,  5, 6, { 29,  33,   E, 25  }},
    {  31,  3, 7, {  E,   E,  32, 28  }},
    {  32,  4, 7, { 31,   E,  33, 29  }},
    {  33,  5, 7, { 32,   E,   E, 30  }},
}};
// clang-format on

const Hole& HoleByNumber(int number) {
    if (number < 1 || number > HoleCount) {
        throw RunTimeError("No such hole: " + std::to_string(number));
    }
    return HoleTable[static_cast<std::size_t>(number - 1)];
}

int HoleNumberAt(int x, int y) {
    for (const Hole& hole : HoleTable) {
        if (hole.x == x && hole.y == y) {
            return hole.number;
        }
    }
    return NoHole;
}

} // namespace tintineables
