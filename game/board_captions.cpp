// The board's captions: what it says, in words, under the cross for whoever sees the screen (a
// helper beside a blind player, a player who hears badly), and its status line. They are the
// text mode's words, whether or not the mode is on; L hides them for a player who wants the
// board alone, and shows them again.
#include "board/peg_set.h"
#include "game/board_form.h"
#include "game/game.h"

namespace tintineables {

void BoardForm::Caption(const std::string& text) {
    if (!text.empty()) {
        caption_ = text;
    }
}

bool BoardForm::AnswerCaptionKey(KeyCode keyCode) {
    if (keyCode != Key::L) {
        return false;
    }
    const bool shown = !TheGame().Captions();
    TheGame().SetCaptions(shown);
    Answer({shown ? SpokenWord::CaptionsShown : SpokenWord::CaptionsHidden},
           words_.Captions(shown));
    return true;
}

std::string BoardForm::StatusLine() const {
    return words_.Status(PegCount(PegsOf(state_)), state_.JumpsMade,
                         puzzle_.number == 0 ? std::string() : PuzzleText());
}

} // namespace tintineables
