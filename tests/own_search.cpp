#include "tests/own_search.h"

#include <bit>

namespace tintineables::testing {

bool OnCross(int x, int y) {
    return x >= 1 && x <= 7 && y >= 1 && y <= 7 && ((x >= 3 && x <= 5) || (y >= 3 && y <= 5));
}

Cells Cell(int x, int y) { return Cells{1} << ((y - 1) * 7 + (x - 1)); }

Cells Drawn(const std::array<const char*, 7>& rows) {
    Cells cells = 0;
    for (int row = 0; row < 7; ++row) {
        for (int x = 1; x <= 7; ++x) {
            if (rows[static_cast<std::size_t>(row)][x - 1] == 'X') {
                cells |= Cell(x, 7 - row);
            }
        }
    }
    return cells;
}

Place HoleNumbered(int number) {
    for (int y = 1; y <= 7; ++y) {
        for (int x = 1; x <= 7; ++x) {
            if (OnCross(x, y) && --number == 0) {
                return {x, y};
            }
        }
    }
    return {0, 0};
}

bool ExhaustiveSearch::Winnable(Cells cells) {
    if (std::popcount(cells) == 1) {
        return cells == Cell(4, 4);
    }
    if (const auto known = judged_.find(cells); known != judged_.end()) {
        return known->second;
    }
    bool winnable = false;
    constexpr int Steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int y = 1; y <= 7 && !winnable; ++y) {
        for (int x = 1; x <= 7 && !winnable; ++x) {
            for (const auto& step : Steps) {
                const int ox = x + step[0], oy = y + step[1];
                const int tx = x + 2 * step[0], ty = y + 2 * step[1];
                if (OnCross(x, y) && OnCross(tx, ty) && (cells & Cell(x, y)) &&
                    (cells & Cell(ox, oy)) && !(cells & Cell(tx, ty)) &&
                    Winnable(cells ^ Cell(x, y) ^ Cell(ox, oy) ^ Cell(tx, ty))) {
                    winnable = true;
                    break;
                }
            }
        }
    }
    judged_.emplace(cells, winnable);
    return winnable;
}

} // namespace tintineables::testing
