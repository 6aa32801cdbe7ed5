#pragma once
// A question to the solver and its answer, as the board asks and hears them.
#include "board/solver.h"

#include <cstdint>
#include <optional>

namespace tintineables {

struct SolverQuestion {
    enum class Kind { Outlook, Hint };
    Kind kind = Kind::Outlook;
    PegSet pegs = 0;
    int nearHole = CentreHole;        // for a hint: the cursor's hole
    PegSet gameStart = StartPosition; // where this game began: the full cross, or a puzzle
    std::uint64_t id = 0;             // the asker's, to know the answer by
};

struct SolverAnswer {
    SolverQuestion question;
    Outlook outlook = Outlook::CannotWin;
    std::optional<Hint> hint;
};

// The answer, worked out on the calling thread: a few microseconds from the table; a puzzle
// that the table cannot judge may need milliseconds of search.
SolverAnswer AnswerQuestion(const SolverQuestion& question);

} // namespace tintineables
