// hinted_game [SEED]
// A whole winning game as a player who asks for hints plays it, as the keys they press from the
// board's first hole: before every other jump A (the hint: the solver's thread searches, and
// the answer is spoken); the cursor walked to each jump's peg, every sixth time by a detour
// through a hole picked at random, as a player who looks about first; then Space, the two
// arrows to where the peg lands, and Ctrl. Each jump is one of those that keep the game
// winnable, of them one nearest the cursor, picked at random, the same for the same seed.
// Prints each key as its virtual-key code and its X11 name, a line each.
#include "board/hole_table.h"
#include "board/peg_set.h"
#include "board/solver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <vector>

namespace {

using namespace tintineables;

struct Key {
    int code;
    const char* name;
};

Key ArrowKey(Direction direction) {
    switch (direction) {
    case Direction::Left:
        return {37, "Left"};
    case Direction::Up:
        return {38, "Up"};
    case Direction::Right:
        return {39, "Right"};
    case Direction::Down:
        return {40, "Down"};
    }
    return {0, ""};
}

// The arrows of a shortest walk from one hole to another, never off the cross.
std::vector<Key> Walk(int from, int to) {
    std::vector<int> cameFrom(HoleCount + 1, NoHole);
    std::vector<Direction> by(HoleCount + 1, Direction::Left);
    std::deque<int> next{from};
    cameFrom[static_cast<std::size_t>(from)] = from;
    while (!next.empty()) {
        const int hole = next.front();
        next.pop_front();
        for (int d = 0; d < 4; ++d) {
            const int neighbour = HoleByNumber(hole).neighbour[static_cast<std::size_t>(d)];
            if (neighbour != NoHole && cameFrom[static_cast<std::size_t>(neighbour)] == NoHole) {
                cameFrom[static_cast<std::size_t>(neighbour)] = hole;
                by[static_cast<std::size_t>(neighbour)] = static_cast<Direction>(d);
                next.push_back(neighbour);
            }
        }
    }
    std::vector<Key> keys;
    for (int hole = to; hole != from; hole = cameFrom[static_cast<std::size_t>(hole)]) {
        keys.insert(keys.begin(), ArrowKey(by[static_cast<std::size_t>(hole)]));
    }
    return keys;
}

} // namespace

int main(int argc, char** argv) {
    std::mt19937 random(argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 1u);
    std::vector<Key> keys;
    auto add = [&](const std::vector<Key>& more) {
        keys.insert(keys.end(), more.begin(), more.end());
    };
    PegSet pegs = StartPosition;
    int cursor = 1; // the board opens on its first hole
    for (int jump = 0; OutlookOf(pegs) == Outlook::CanWin; ++jump) {
        if (jump % 2 == 0) {
            keys.push_back({65, "a"});
        }
        std::vector<PegJump> winnable;
        for (const PegJump& candidate : AllJumps()) {
            if (CanJump(pegs, candidate) &&
                OutlookOf(AfterJump(pegs, candidate)) != Outlook::CannotWin) {
                winnable.push_back(candidate);
            }
        }
        // Of those, one whose peg is nearest the cursor, as a player takes one at hand.
        std::shuffle(winnable.begin(), winnable.end(), random);
        const PegJump chosen = *std::min_element(
            winnable.begin(), winnable.end(), [&](const PegJump& a, const PegJump& b) {
                return Walk(cursor, a.from).size() < Walk(cursor, b.from).size();
            });
        const int detour = jump % 6 == 0 ? static_cast<int>(random() % HoleCount) + 1 : cursor;
        add(Walk(cursor, detour));
        add(Walk(detour, chosen.from));
        keys.push_back({32, "space"});
        add(Walk(chosen.from, chosen.to));
        keys.push_back({17, "Control_L"});
        pegs = AfterJump(pegs, chosen);
        cursor = chosen.to;
    }
    if (OutlookOf(pegs) != Outlook::Won) {
        std::fprintf(stderr, "hinted_game: the game was not won\n");
        return 1;
    }
    for (const Key& key : keys) {
        std::printf("%d %s\n", key.code, key.name);
    }
    return 0;
}
