// The puzzles: the classics as drawn, the order they come in, every one of them and a thousand
// made ones won by following the hints from their start, and the outlook against a search of
// the test's own on positions the puzzles reach.
#include "board/puzzles.h"
#include "board/solver.h"
#include "tests/own_search.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace tintineables::testing {
namespace {

Cells CellsOf(PegSet pegs) {
    Cells cells = 0;
    for (int hole = 1; hole <= HoleCount; ++hole) {
        if (pegs & HoleBit(hole)) {
            cells |= Cell(HoleByNumber(hole).x, HoleByNumber(hole).y);
        }
    }
    return cells;
}

// Follows A's hints from the start; true when the last jump leaves one peg in the centre.
::testing::AssertionResult WonByHints(PegSet start) {
    PegSet pegs = start;
    int near = CentreHole;
    for (int jumps = 0; pegs != WonPosition; ++jumps) {
        const std::optional<Hint> hint = HintFor(pegs, near, start);
        if (!hint || jumps > 31) {
            return ::testing::AssertionFailure()
                   << "no hint after " << jumps << " jumps, " << PegCount(pegs) << " pegs left";
        }
        const PegJump* taken = nullptr;
        for (const PegJump& jump : AllJumps()) {
            taken = jump.from == hint->from && jump.direction == hint->direction ? &jump : taken;
        }
        if (taken == nullptr || !CanJump(pegs, *taken)) {
            return ::testing::AssertionFailure() << "a hint that is no jump";
        }
        pegs = AfterJump(pegs, *taken);
        near = taken->to;
    }
    return OutlookOf(pegs, start) == Outlook::Won ? ::testing::AssertionSuccess()
                                                  : ::testing::AssertionFailure() << "not won";
}

TEST(Puzzles, TheClassicsAreAsDrawnAndComeInTheOrderOfTheirSize) {
    struct Expected {
        ClassicPuzzle classic;
        int number;
        std::array<const char*, 7> picture;
    };
    // clang-format off
    const Expected classics[] = {
        {ClassicPuzzle::Cross, 5,      {"  ...  ", "  .X.  ", "..XXX..", "...X...", "...X...", "  ...  ", "  ...  "}},
        {ClassicPuzzle::Plus, 9,       {"  ...  ", "  .X.  ", "...X...", ".XXXXX.", "...X...", "  .X.  ", "  ...  "}},
        {ClassicPuzzle::Fireplace, 12, {"  XXX  ", "  XXX  ", "..XXX..", "..X.X..", ".......", "  ...  ", "  ...  "}},
        {ClassicPuzzle::Pyramid, 18,   {"  ...  ", "  .X.  ", "..XXX..", ".XXXXX.", "XXXXXXX", "  ...  ", "  ...  "}},
        {ClassicPuzzle::UpArrow, 20,   {"  .X.  ", "  XXX  ", ".XXXXX.", "...X...", "...X...", "  XXX  ", "  XXX  "}},
        {ClassicPuzzle::Diamond, 28,   {"  .X.  ", "  XXX  ", ".XXXXX.", "XXX.XXX", ".XXXXX.", "  XXX  ", "  .X.  "}},
    };
    // clang-format on
    for (const Expected& expected : classics) {
        const Puzzle puzzle = PuzzleNumbered(expected.number);
        ASSERT_TRUE(puzzle.classic.has_value()) << expected.number;
        EXPECT_EQ(*puzzle.classic, expected.classic) << expected.number;
        EXPECT_EQ(CellsOf(puzzle.start), Drawn(expected.picture)) << expected.number;
    }
    // Between them, made puzzles of 2 to 32 pegs, a size each, the classic before its size's;
    // then round after round of made ones, 2 to 32 pegs.
    int number = 1;
    for (int pegs = 2; pegs <= 32; ++pegs) {
        for (const Expected& expected : classics) {
            number += expected.number == number ? 1 : 0;
        }
        const Puzzle made = PuzzleNumbered(number++);
        EXPECT_FALSE(made.classic.has_value()) << made.number;
        EXPECT_EQ(PegCount(made.start), pegs) << made.number;
    }
    EXPECT_EQ(number, 38);
    EXPECT_EQ(PegCount(PuzzleNumbered(38).start), 2);
    EXPECT_EQ(PegCount(PuzzleNumbered(38 + 30).start), 32);
    EXPECT_EQ(PegCount(PuzzleNumbered(999).start), 2 + (999 - 38) % 31);
    // Another round is another puzzle of the same size, and the same number the same puzzle.
    EXPECT_NE(PuzzleNumbered(38 + 10).start, PuzzleNumbered(38 + 31 + 10).start);
    EXPECT_EQ(PuzzleNumbered(500).start, PuzzleNumbered(500).start);
    EXPECT_THROW(PuzzleNumbered(0), std::exception);
    EXPECT_THROW(PuzzleNumbered(1000), std::exception);
}

TEST(Puzzles, EveryPuzzleAndAHundredMadeOfEachSizeAreWonByFollowingTheHints) {
    for (int number = 1; number <= PuzzleCount; ++number) {
        EXPECT_TRUE(WonByHints(PuzzleNumbered(number).start)) << "puzzle " << number;
    }
    for (int pegs = 2; pegs <= 32; ++pegs) {
        for (std::uint64_t seed = 1'000'000; seed < 1'000'100; ++seed) {
            const PegSet made = MadePuzzle(pegs, seed);
            ASSERT_EQ(PegCount(made), pegs);
            ASSERT_TRUE(WonByHints(made)) << pegs << " pegs, seed " << seed;
        }
    }
}

// Positions a player reaches by jumps at random from puzzles of every kind, the classics that
// no game from the full cross passes through among them: the outlook is the search's.
TEST(Puzzles, TheOutlookAgreesWithAnExhaustiveSearchOnPositionsThePuzzlesReach) {
    std::mt19937 random(20261209);
    ExhaustiveSearch search;
    int lost = 0;
    int checked = 0;
    for (int number = 1; number <= 80; ++number) {
        const Puzzle puzzle = PuzzleNumbered(number);
        const PegSet start = puzzle.start;
        if (PegCount(start) > (puzzle.classic ? 24 : 18)) {
            continue; // beyond what the test's own search finishes in time
        }
        for (int game = 0; game < 5; ++game) {
            PegSet pegs = start;
            for (;;) {
                std::vector<const PegJump*> jumps;
                for (const PegJump& jump : AllJumps()) {
                    if (CanJump(pegs, jump)) {
                        jumps.push_back(&jump);
                    }
                }
                const bool expected = search.Winnable(CellsOf(pegs));
                const Outlook outlook = OutlookOf(pegs, start);
                ASSERT_EQ(outlook != Outlook::CannotWin, expected)
                    << "puzzle " << number << ", " << PegCount(pegs) << " pegs";
                lost += expected ? 0 : 1;
                ++checked;
                if (jumps.empty()) {
                    break;
                }
                pegs = AfterJump(pegs, *jumps[random() % jumps.size()]);
            }
        }
    }
    EXPECT_GT(checked, 1000);
    EXPECT_GT(lost, checked / 4); // random jumps lose most games: both answers are tried
}

} // namespace
} // namespace tintineables::testing
