#include "board/solver_question.h"

namespace tintineables {

SolverAnswer AnswerQuestion(const SolverQuestion& question) {
    SolverAnswer answer{question, OutlookOf(question.pegs), std::nullopt};
    if (question.kind == SolverQuestion::Kind::Hint) {
        answer.hint = HintFor(question.pegs, question.nearHole);
    }
    return answer;
}

} // namespace tintineables
