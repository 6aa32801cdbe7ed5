#include "sound/phrases.h"

#include "sound/run_time_error.h"

#include <iterator>
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

std::vector<SpokenWord> PuzzlePhrase(int classic, int pegs) {
    constexpr SpokenWord Names[] = {SpokenWord::PuzzleCross,     SpokenWord::PuzzlePlus,
                                    SpokenWord::PuzzleFireplace, SpokenWord::PuzzlePyramid,
                                    SpokenWord::PuzzleUpArrow,   SpokenWord::PuzzleDiamond};
    if (classic >= 0 && classic < static_cast<int>(std::size(Names))) {
        return {Names[classic]};
    }
    if (classic != -1 || pegs < 2 || pegs > MostPegs) {
        throw RunTimeError("No words for puzzle " + std::to_string(classic) + " of " +
                           std::to_string(pegs) + " pegs");
    }
    return {CountWord(pegs), SpokenWord::PuzzlePegs};
}

} // namespace tintineables
