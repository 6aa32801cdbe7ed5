// The solver for the page's worker (solver_worker.js): the same rules and table as the game,
// in a WebAssembly of its own, so that a search never holds the page's thread, where the keys
// are taken. The worker fills the table, then asks question after question.
#include "board/solver_question.h"
#include "board/winnable_table.h"

#include <emscripten/emscripten.h>

#include <vector>

using namespace tintineables;

namespace {

std::vector<unsigned char>& TableBytes() {
    static std::vector<unsigned char> bytes;
    return bytes;
}

PegSet PegsOf(unsigned low, unsigned high) { return PegSet{low} | PegSet{high} << 32; }

} // namespace

namespace tintineables {

std::span<const unsigned char> WinnableTableBytes() { return TableBytes(); }

} // namespace tintineables

extern "C" {

EMSCRIPTEN_KEEPALIVE unsigned char* tintineables_solver_table_room(int bytes) {
    TableBytes().assign(static_cast<std::size_t>(bytes), 0);
    return TableBytes().data();
}

// A question of the board (SolverQuestion's kind 0 outlook, 1 hint; positions as two halves of
// their bits): the outlook, 0 can win, 1 cannot, 2 won, plus for a hint 4 times (1 + its peg's
// hole * 4 + its direction); no hint, no more.
EMSCRIPTEN_KEEPALIVE int tintineables_solver_answer(int kind, unsigned pegsLow, unsigned pegsHigh,
                                                    int nearHole, unsigned startLow,
                                                    unsigned startHigh) {
    const SolverQuestion question{kind == 1 ? SolverQuestion::Kind::Hint
                                            : SolverQuestion::Kind::Outlook,
                                  PegsOf(pegsLow, pegsHigh), nearHole, PegsOf(startLow, startHigh)};
    const SolverAnswer answer = AnswerQuestion(question);
    int packed = static_cast<int>(answer.outlook);
    if (answer.hint) {
        packed += 4 * (1 + answer.hint->from * 4 + static_cast<int>(answer.hint->direction));
    }
    return packed;
}
}
