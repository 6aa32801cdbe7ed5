// The board's puzzles: which one the board holds, its name, and Page Down and Page Up.
#include "board/new_game.h"
#include "board/puzzles.h"
#include "game/board_form.h"
#include "game/game.h"
#include "sound/spoken_words.h"

namespace tintineables {

void BoardForm::SetUpTheBoard() {
    const int number = TheGame().BoardPuzzle();
    if (number == 0) {
        puzzle_ = {0, StartPosition, std::nullopt};
        NewGame(state_);
        return;
    }
    if (puzzle_.number != number) {
        puzzle_ = PuzzleNumbered(number); // made once: F2 sets the same start up again
    }
    SetUpPuzzle(state_, puzzle_.start);
    afterArrival_ = PuzzleName(); // the arrival that follows says which puzzle this is
    afterArrivalText_ = PuzzleText();
    Remember(afterArrival_, afterArrivalText_);
}

namespace {

SpokenWord ClassicName(ClassicPuzzle classic) {
    switch (classic) {
    case ClassicPuzzle::Cross:
        return SpokenWord::PuzzleCross;
    case ClassicPuzzle::Plus:
        return SpokenWord::PuzzlePlus;
    case ClassicPuzzle::Fireplace:
        return SpokenWord::PuzzleFireplace;
    case ClassicPuzzle::Pyramid:
        return SpokenWord::PuzzlePyramid;
    case ClassicPuzzle::UpArrow:
        return SpokenWord::PuzzleUpArrow;
    case ClassicPuzzle::Diamond:
        break;
    }
    return SpokenWord::PuzzleDiamond;
}

} // namespace

// A classic by its name ("cruz"), a made puzzle by its size ("siete bolas").
std::vector<SpokenWord> BoardForm::PuzzleName() const {
    if (puzzle_.classic) {
        return {ClassicName(*puzzle_.classic)};
    }
    return {CountWord(PegCount(puzzle_.start)), SpokenWord::PuzzlePegs};
}

std::string BoardForm::PuzzleText() const {
    return words_.PuzzleName(puzzle_.classic, PegCount(puzzle_.start));
}

// The next or the previous puzzle: a new start, and the cursor to the first hole, where the
// board opens, which announces itself and says the puzzle's name. Past the first or the last
// puzzle, the buzz. They mean nothing in the game itself.
void BoardForm::ChangePuzzle(KeyCode keyCode) {
    if (puzzle_.number == 0 || (keyCode != Key::PageDown && keyCode != Key::PageUp)) {
        return;
    }
    const int next = puzzle_.number + (keyCode == Key::PageDown ? 1 : -1);
    if (next < 1 || next > PuzzleCount) {
        Play(SoundCue::Error);
        Tell(words_.NoMorePuzzles());
        return;
    }
    ForgetQuestion();
    TheGame().ChoosePuzzle(next);
    SetUpTheBoard();
    SendFocusTo(1);
}

} // namespace tintineables
