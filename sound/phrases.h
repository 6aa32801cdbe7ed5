#pragma once
// The board's spoken answers, word by word.
#include "sound/spoken_words.h"

#include <vector>

namespace tintineables {

// "quedan diecisiete bolas", "queda una bola": pegs 1..32.
std::vector<SpokenWord> PegsLeftPhrase(int pegs);

// "fila tres, columna cinco": row and column 1..7, rows from the bottom, columns from the left.
std::vector<SpokenWord> PositionPhrase(int row, int column);

} // namespace tintineables
