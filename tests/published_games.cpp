#include "tests/published_games.h"

#include "board/hole_table.h"

#include <sstream>
#include <stdexcept>
#include <string>

namespace tintineables::testing {

namespace {

int HoleOfSquare(std::string_view square) {
    const int column = square.at(0) - '0';
    const int rowFromTop = square.at(1) - '0';
    const int hole = HoleNumberAt(column, 8 - rowFromTop);
    if (hole == NoHole) {
        throw std::invalid_argument("no hole at " + std::string(square));
    }
    return hole;
}

} // namespace

std::vector<std::pair<int, int>> JumpsOf(std::string_view moves) {
    std::vector<std::pair<int, int>> jumps;
    std::istringstream in{std::string(moves)};
    for (std::string move; in >> move;) {
        for (std::size_t at = 0; at + 3 < move.size(); at += 3) {
            jumps.emplace_back(HoleOfSquare(move.substr(at, 2)),
                               HoleOfSquare(move.substr(at + 3, 2)));
        }
    }
    return jumps;
}

std::vector<std::vector<std::pair<int, int>>> PublishedGames() {
    return {JumpsOf(BergholtMoves), {WinningJumps.begin(), WinningJumps.end()}};
}

} // namespace tintineables::testing
