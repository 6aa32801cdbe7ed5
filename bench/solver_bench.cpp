// The solver's answer time (G and A on the board) over every position of 1,000 random games
// and of the published winning games, as the game answers them: a look-up in the table made at
// build time. Beside it, for comparison, the other way the game could have taken: a search over
// the jumps with the board's turns and mirrors and a table of positions known to be lost, run on
// fewer games since a single answer can take seconds. Then the puzzles: every position of random
// games from each classic and from made puzzles of every size, each question asked as a player
// would ask it, after the ones before it in the same game. Prints rows of the benchmark table.
#include "bench/latency_stats.h"
#include "board/puzzles.h"
#include "board/solver_question.h"
#include "tests/published_games.h"

#include <chrono>
#include <random>
#include <unordered_set>

using namespace tintineables;
using namespace tintineables::bench;
using Clock = std::chrono::steady_clock;

namespace {

std::vector<PegSet> RandomGame(std::mt19937& random, PegSet start = StartPosition) {
    std::vector<PegSet> positions{start};
    for (PegSet pegs = start;;) {
        std::vector<PegSet> next;
        for (const PegJump& jump : AllJumps()) {
            if (CanJump(pegs, jump)) {
                next.push_back(AfterJump(pegs, jump));
            }
        }
        if (next.empty()) {
            return positions;
        }
        pegs = next[random() % next.size()];
        positions.push_back(pegs);
    }
}

std::vector<PegSet> PublishedPositions() {
    std::vector<PegSet> positions;
    for (const auto& game : testing::PublishedGames()) {
        PegSet pegs = StartPosition;
        positions.push_back(pegs);
        for (const auto& [from, to] : game) {
            for (const PegJump& jump : AllJumps()) {
                if (jump.from == from && jump.to == to) {
                    pegs = AfterJump(pegs, jump);
                }
            }
            positions.push_back(pegs);
        }
    }
    return positions;
}

// The search the table replaced: depth first, every position known to be lost remembered by
// its least image under the board's turns and mirrors.
class Search {
public:
    bool Winnable(PegSet pegs) {
        if (PegCount(pegs) == 1) {
            return pegs == WonPosition;
        }
        const PegSet canonical = Canonical(pegs);
        if (lost_.count(canonical) != 0) {
            return false;
        }
        for (const PegJump& jump : AllJumps()) {
            if (CanJump(pegs, jump) && Winnable(AfterJump(pegs, jump))) {
                return true;
            }
        }
        lost_.insert(canonical);
        return false;
    }
    void Forget() { lost_.clear(); }
    std::size_t Remembered() const { return lost_.size(); }

private:
    std::unordered_set<PegSet> lost_;
};

double Micro(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

} // namespace

int main() {
    std::mt19937 random(2026);
    std::vector<PegSet> positions = PublishedPositions();
    for (int game = 0; game < 1000; ++game) {
        const std::vector<PegSet> played = RandomGame(random);
        positions.insert(positions.end(), played.begin(), played.end());
    }

    // The first answer of a run reads the table in and checks it.
    auto start = Clock::now();
    AnswerQuestion({SolverQuestion::Kind::Hint, StartPosition, 1});
    const double first = Micro(Clock::now() - start);

    std::vector<double> outlook, hint;
    int winnable = 0;
    for (PegSet pegs : positions) {
        start = Clock::now();
        const SolverAnswer answer = AnswerQuestion({SolverQuestion::Kind::Outlook, pegs});
        outlook.push_back(Micro(Clock::now() - start));
        winnable += answer.outlook == Outlook::CanWin ? 1 : 0;
        start = Clock::now();
        AnswerQuestion({SolverQuestion::Kind::Hint, pegs, 1 + static_cast<int>(pegs % 33)});
        hint.push_back(Micro(Clock::now() - start));
    }
    const Percentiles g = Summarise(outlook);
    const Percentiles a = Summarise(hint);
    const std::string where = Format("%.0f positions, %.0f winnable", positions.size(), winnable);
    Row("solver, the first answer of a run (us)", Format("%.1f", first), "", true);
    Row("solver, G: can I still win? (us)",
        Format("p50 %.1f  p99 %.1f  max %.1f", g.p50, g.p99, g.max), "p99 <= 50 ms, max <= 1 s",
        g.p99 <= 50000 && g.max <= 1e6);
    Row("solver, A: a hint (us)", Format("p50 %.1f  p99 %.1f  max %.1f", a.p50, a.p99, a.max),
        "p99 <= 50 ms, max <= 1 s", a.p99 <= 50000 && a.max <= 1e6);
    Row("  over", where, "", true);

    // The search, on 10 of the same kind of games: each answer from scratch, as a new question
    // would be.
    std::mt19937 again(2026);
    std::vector<double> searched;
    std::size_t remembered = 0;
    Search search;
    for (int game = 0; game < 10; ++game) {
        for (PegSet pegs : RandomGame(again)) {
            search.Forget();
            start = Clock::now();
            search.Winnable(pegs);
            searched.push_back(Micro(Clock::now() - start) / 1000);
            remembered = std::max(remembered, search.Remembered());
        }
    }
    const Percentiles s = Summarise(searched);
    Row("compared: search and lost table, 10 games (ms)",
        Format("p50 %.1f  p99 %.0f  max %.0f", s.p50, s.p99, s.max), "(not shipped)", true);
    Row("  its table of lost positions at most", Format("%.0f positions", remembered), "", true);

    // The puzzles: 40 random games of each of the first 100 puzzles (every classic, made ones of
    // every size), G then A on every position, in the order a game reaches them.
    std::vector<double> puzzleOutlook, puzzleHint, offTable;
    std::size_t puzzlePositions = 0;
    for (int number = 1; number <= 100; ++number) {
        const Puzzle puzzle = PuzzleNumbered(number);
        const bool byTable = OutlookOf(puzzle.start) != Outlook::CannotWin;
        for (int game = 0; game < 40; ++game) {
            for (PegSet pegs : RandomGame(random, puzzle.start)) {
                start = Clock::now();
                AnswerQuestion({SolverQuestion::Kind::Outlook, pegs, CentreHole, puzzle.start});
                puzzleOutlook.push_back(Micro(Clock::now() - start));
                start = Clock::now();
                AnswerQuestion({SolverQuestion::Kind::Hint, pegs, 1 + static_cast<int>(pegs % 33),
                                puzzle.start});
                puzzleHint.push_back(Micro(Clock::now() - start));
                if (!byTable) {
                    offTable.push_back(puzzleOutlook.back() + puzzleHint.back());
                }
                ++puzzlePositions;
            }
        }
    }
    const Percentiles pg = Summarise(puzzleOutlook);
    const Percentiles pa = Summarise(puzzleHint);
    const Percentiles off = Summarise(offTable);
    Row("puzzles, G: can I still win? (us)",
        Format("p50 %.1f  p99 %.1f  max %.1f", pg.p50, pg.p99, pg.max), "p99 <= 100 ms",
        pg.p99 <= 100000);
    Row("puzzles, A: a hint (us)", Format("p50 %.1f  p99 %.1f  max %.1f", pa.p50, pa.p99, pa.max),
        "p99 <= 100 ms", pa.p99 <= 100000);
    Row("  over", Format("%.0f positions of the first 100 puzzles", puzzlePositions), "", true);
    Row("  the classics off the game's paths, G and A (us)",
        Format("p50 %.1f  p99 %.1f  max %.1f", off.p50, off.p99, off.max), "", true);
    return 0;
}
