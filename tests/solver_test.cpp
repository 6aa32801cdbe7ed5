// The solver's answers: against a slow search that tries every order of jumps, along the
// published games, and followed hint by hint.
#include "board/solver.h"
#include "tests/published_games.h"

#include <gtest/gtest.h>

#include <bitset>
#include <random>

namespace tintineables::testing {
namespace {

// The board as the slow search sees it, by cell (x, y) of the 7 x 7 grid, written afresh from
// the rules: a hole is a cell with x or y in 3..5.
using Cells = std::bitset<49>;
bool OnCross(int x, int y) {
    return x >= 1 && x <= 7 && y >= 1 && y <= 7 && ((x >= 3 && x <= 5) || (y >= 3 && y <= 5));
}
std::size_t Cell(int x, int y) { return static_cast<std::size_t>((y - 1) * 7 + (x - 1)); }

Cells CellsOf(PegSet pegs) {
    Cells cells;
    for (int hole = 1; hole <= HoleCount; ++hole) {
        if (pegs & HoleBit(hole)) {
            cells.set(Cell(HoleByNumber(hole).x, HoleByNumber(hole).y));
        }
    }
    return cells;
}

// Whether the pegs can be jumped down to one peg in the centre: every order of jumps is tried
// and nothing is remembered, so it can only finish on few pegs.
bool SlowlyWinnable(const Cells& cells) {
    if (cells.count() == 1) {
        return cells.test(Cell(4, 4));
    }
    constexpr int Steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int y = 1; y <= 7; ++y) {
        for (int x = 1; x <= 7; ++x) {
            for (const auto& step : Steps) {
                const int ox = x + step[0], oy = y + step[1];
                const int tx = x + 2 * step[0], ty = y + 2 * step[1];
                if (OnCross(x, y) && OnCross(tx, ty) && cells.test(Cell(x, y)) &&
                    cells.test(Cell(ox, oy)) && !cells.test(Cell(tx, ty))) {
                    Cells after = cells;
                    after.reset(Cell(x, y)).reset(Cell(ox, oy)).set(Cell(tx, ty));
                    if (SlowlyWinnable(after)) {
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

std::vector<PegSet> Children(PegSet pegs) {
    std::vector<PegSet> children;
    for (const PegJump& jump : AllJumps()) {
        if (CanJump(pegs, jump)) {
            children.push_back(AfterJump(pegs, jump));
        }
    }
    return children;
}

PegSet AfterHint(PegSet pegs, const Hint& hint) {
    for (const PegJump& jump : AllJumps()) {
        if (jump.from == hint.from && jump.direction == hint.direction && CanJump(pegs, jump)) {
            return AfterJump(pegs, jump);
        }
    }
    ADD_FAILURE() << "the hint from hole " << hint.from << " is no legal jump";
    return pegs;
}

// The jump from one hole to another, which must be legal.
PegSet Played(PegSet pegs, int from, int to) {
    for (const PegJump& jump : AllJumps()) {
        if (jump.from == from && jump.to == to) {
            EXPECT_TRUE(CanJump(pegs, jump)) << from << " -> " << to;
            return AfterJump(pegs, jump);
        }
    }
    ADD_FAILURE() << "no jump " << from << " -> " << to;
    return pegs;
}

// Games as players make them: a run of hinted jumps, then random ones until none is left. Every
// position of them is reachable from the start, and they are won and lost at every stage.
std::vector<PegSet> PositionsOfGames(int games, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<PegSet> positions;
    for (int game = 0; game < games; ++game) {
        PegSet pegs = StartPosition;
        const int hinted = static_cast<int>(random() % 32);
        for (int jump = 0;; ++jump) {
            positions.push_back(pegs);
            const std::optional<Hint> hint = HintFor(pegs, CentreHole);
            const std::vector<PegSet> children = Children(pegs);
            if (children.empty()) {
                break;
            }
            pegs = jump < hinted && hint ? AfterHint(pegs, *hint)
                                         : children[random() % children.size()];
        }
    }
    return positions;
}

TEST(Solver, AgreesWithTheSlowSearchOnFewPegsAndWithItselfAboveThem) {
    int checked = 0, winnable = 0;
    for (PegSet pegs : PositionsOfGames(300, 19)) {
        const Outlook outlook = OutlookOf(pegs);
        if (PegCount(pegs) <= 9) {
            const bool slow = SlowlyWinnable(CellsOf(pegs));
            EXPECT_EQ(outlook != Outlook::CannotWin, slow) << std::hex << pegs;
            ++checked;
            winnable += slow ? 1 : 0;
        }
        if (outlook == Outlook::Won) {
            EXPECT_EQ(pegs, HoleBit(CentreHole));
            continue;
        }
        // A position is winnable exactly when one of its jumps leads to a winnable one, and a
        // hint names such a jump.
        bool someChildWinnable = false;
        for (PegSet child : Children(pegs)) {
            someChildWinnable = someChildWinnable || OutlookOf(child) != Outlook::CannotWin;
        }
        EXPECT_EQ(outlook == Outlook::CanWin, someChildWinnable) << std::hex << pegs;
        const std::optional<Hint> hint = HintFor(pegs, 1);
        ASSERT_EQ(hint.has_value(), outlook == Outlook::CanWin);
        if (hint) {
            EXPECT_NE(OutlookOf(AfterHint(pegs, *hint)), Outlook::CannotWin);
        }
    }
    EXPECT_GT(checked, 500);
    EXPECT_GT(winnable, 50);
    EXPECT_GT(checked - winnable, 50);
}

TEST(Solver, EveryPositionOfThePublishedGamesCanBeWon) {
    for (const auto& game : PublishedGames()) {
        PegSet pegs = StartPosition;
        for (const auto& [from, to] : game) {
            ASSERT_EQ(OutlookOf(pegs), Outlook::CanWin);
            pegs = Played(pegs, from, to);
        }
        EXPECT_EQ(OutlookOf(pegs), Outlook::Won);
        EXPECT_FALSE(HintFor(pegs, CentreHole).has_value());
    }
}

TEST(Solver, HintsFollowedFromTheStartWinAndThePegNearestTheCursorIsHinted) {
    PegSet pegs = StartPosition;
    for (int jump = 0; jump < 31; ++jump) {
        const std::optional<Hint> hint = HintFor(pegs, 1 + jump % HoleCount);
        ASSERT_TRUE(hint) << "jump " << jump + 1;
        pegs = AfterHint(pegs, *hint);
    }
    EXPECT_EQ(OutlookOf(pegs), Outlook::Won);
    // From the start, four jumps lead into the centre; from hole 1 the nearest is hole 5's.
    EXPECT_EQ(HintFor(StartPosition, 1)->from, 5);
    EXPECT_EQ(HintFor(StartPosition, 1)->direction, Direction::Up);
    EXPECT_EQ(HintFor(StartPosition, 33)->from, 29);
    EXPECT_EQ(HintFor(StartPosition, 33)->direction, Direction::Down);
}

TEST(Solver, ALostPositionHasNoHint) {
    // Four jumps in and around the centre that leave no way to finish there.
    PegSet pegs = StartPosition;
    for (const auto& [from, to] : {std::pair{5, 17}, {24, 10}, {15, 17}, {10, 24}}) {
        pegs = Played(pegs, from, to);
    }
    EXPECT_EQ(OutlookOf(pegs), Outlook::CannotWin);
    EXPECT_FALSE(HintFor(pegs, 1).has_value());
    EXPECT_EQ(OutlookOf(HoleBit(1)), Outlook::CannotWin) << "one peg, not in the centre";
}

} // namespace
} // namespace tintineables::testing
