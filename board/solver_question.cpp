#include "board/solver_question.h"

namespace tintineables {

SolverAnswer AnswerQuestion(const SolverQuestion& question) {
    SolverAnswer answer{question, OutlookOf(question.pegs, question.gameStart), std::nullopt};
    if (question.kind == SolverQuestion::Kind::Hint) {
        answer.hint = HintFor(question.pegs, question.nearHole, question.gameStart);
    }
    return answer;
}

} // namespace tintineables
