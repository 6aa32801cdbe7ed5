#include "board/puzzles.h"

#include "board/winnable_table.h"
#include "sound/run_time_error.h"

#include <array>
#include <string>

namespace tintineables {

namespace {

// Drawn as they lie on the screen, top row first; X a peg.
using Picture = std::array<const char*, 7>;

struct ClassicDesign {
    ClassicPuzzle classic;
    Picture picture;
};

// clang-format off
constexpr std::array<ClassicDesign, ClassicPuzzleCount> Classics = {{
    {ClassicPuzzle::Cross,     {"  ...  ", "  .X.  ", "..XXX..", "...X...", "...X...", "  ...  ", "  ...  "}},
    {ClassicPuzzle::Plus,      {"  ...  ", "  .X.  ", "...X...", ".XXXXX.", "...X...", "  .X.  ", "  ...  "}},
    {ClassicPuzzle::Fireplace, {"  XXX  ", "  XXX  ", "..XXX..", "..X.X..", ".......", "  ...  ", "  ...  "}},
    {ClassicPuzzle::Pyramid,   {"  ...  ", "  .X.  ", "..XXX..", ".XXXXX.", "XXXXXXX", "  ...  ", "  ...  "}},
    {ClassicPuzzle::UpArrow,   {"  .X.  ", "  XXX  ", ".XXXXX.", "...X...", "...X...", "  XXX  ", "  XXX  "}},
    {ClassicPuzzle::Diamond,   {"  .X.  ", "  XXX  ", ".XXXXX.", "XXX.XXX", ".XXXXX.", "  XXX  ", "  .X.  "}},
}};
// clang-format on

constexpr int MostPuzzlePegs = HoleCount - 1;
constexpr int MadeSizes = MostPuzzlePegs - FewestPuzzlePegs + 1; // 31 a round
constexpr int FirstRound = MadeSizes + ClassicPuzzleCount;       // with the classics among them

// splitmix64: a few lines of arithmetic that give the same numbers on every compiler, unlike the
// standard library's distributions.
std::uint64_t NextRandom(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// A jump played backwards: the peg on `to` goes back over `over` to `from`, and `over` fills.
bool CanJumpBack(PegSet pegs, const PegJump& jump) {
    return (pegs & HoleBit(jump.to)) && !(pegs & HoleBit(jump.over)) &&
           !(pegs & HoleBit(jump.from));
}

} // namespace

PegSet ClassicStart(ClassicPuzzle classic) {
    const Picture& picture = Classics[static_cast<std::size_t>(classic)].picture;
    PegSet pegs = 0;
    for (int row = 0; row < 7; ++row) {
        for (int x = 1; x <= 7; ++x) {
            if (picture[static_cast<std::size_t>(row)][x - 1] == 'X') {
                pegs |= HoleBit(HoleNumberAt(x, 7 - row));
            }
        }
    }
    return pegs;
}

PegSet MadePuzzle(int pegs, std::uint64_t seed) {
    if (pegs < FewestPuzzlePegs || pegs > MostPuzzlePegs) {
        throw RunTimeError("No puzzle of " + std::to_string(pegs) + " pegs");
    }
    // Every position on a path from the full cross to the win can be reached backwards from a
    // position on such a path (the jump before it on that path), so the walk never sticks.
    std::uint64_t state = seed;
    PegSet position = WonPosition;
    for (int count = 1; count < pegs; ++count) {
        std::array<PegSet, JumpCount> choices{};
        std::size_t choiceCount = 0;
        for (const PegJump& jump : AllJumps()) {
            if (CanJumpBack(position, jump)) {
                const PegSet before = AfterJump(position, jump);
                if (OnAWinningPath(before)) {
                    choices[choiceCount++] = before;
                }
            }
        }
        if (choiceCount == 0) {
            throw RunTimeError("A made puzzle found no jump back"); // the table is damaged
        }
        position = choices[NextRandom(state) % choiceCount];
    }
    return position;
}

Puzzle PuzzleNumbered(int number) {
    if (number < 1 || number > PuzzleCount) {
        throw RunTimeError("No puzzle number " + std::to_string(number));
    }
    Puzzle puzzle;
    puzzle.number = number;
    int round = 0;
    int pegs = 0;
    if (number <= FirstRound) {
        // Sizes 2..32, each classic just before the made puzzle of its size.
        int left = number;
        for (pegs = FewestPuzzlePegs; pegs <= MostPuzzlePegs; ++pegs) {
            for (const ClassicDesign& design : Classics) {
                if (PegCount(ClassicStart(design.classic)) == pegs && --left == 0) {
                    puzzle.classic = design.classic;
                    puzzle.start = ClassicStart(design.classic);
                    return puzzle;
                }
            }
            if (--left == 0) {
                break;
            }
        }
    } else {
        round = 1 + (number - FirstRound - 1) / MadeSizes;
        pegs = FewestPuzzlePegs + (number - FirstRound - 1) % MadeSizes;
    }
    puzzle.start = MadePuzzle(pegs, static_cast<std::uint64_t>(round) * 1000 +
                                        static_cast<std::uint64_t>(pegs));
    return puzzle;
}

} // namespace tintineables
