#include "sound/phrases.h"

#include "sound/run_time_error.h"

#include <string>

namespace tintineables {

std::vector<SpokenWord> PegsLeftPhrase(int pegs) {
    if (pegs < 1 || pegs > MostPegs) {
        throw RunTimeError("No words for " + std::to_string(pegs) + " pegs");
    }
    if (pegs == 1) {
        return {SpokenWord::ThereIsOne, CountWord(1), SpokenWord::BallLeft};
    }
    return {SpokenWord::ThereAre, CountWord(pegs), SpokenWord::BallsLeft};
}

std::vector<SpokenWord> PositionPhrase(int row, int column) {
    if (row < 1 || row > 7 || column < 1 || column > 7) {
        throw RunTimeError("No hole at row " + std::to_string(row) + ", column " +
                           std::to_string(column));
    }
    return {SpokenWord::Row, RowOrColumnWord(row), SpokenWord::Column, RowOrColumnWord(column)};
}

} // namespace tintineables
