// The board's questions: Backspace, B, P, G and A, on a hole or on Command9, and the answers
// the host's solver sends back.
#include "board/peg_set.h"
#include "board/undo.h"
#include "game/board_form.h"
#include "game/game.h"
#include "sound/phrases.h"
#include "sound/play_cue.h"

#include <string_view>

namespace tintineables {

namespace {

SpokenWord OutlookWord(Outlook outlook) {
    switch (outlook) {
    case Outlook::CanWin:
        return SpokenWord::CanStillWin;
    case Outlook::Won:
        return SpokenWord::HaveWon;
    case Outlook::CannotWin:
        break;
    }
    return SpokenWord::CannotWin;
}

} // namespace

SpokenWord BoardForm::DirectionWord(Direction direction) {
    switch (direction) {
    case Direction::Left:
        return SpokenWord::JumpsLeft;
    case Direction::Up:
        return SpokenWord::JumpsUp;
    case Direction::Right:
        return SpokenWord::JumpsRight;
    case Direction::Down:
        break;
    }
    return SpokenWord::JumpsDown;
}

bool BoardForm::AnswerHelpKey(ControlId control, KeyCode keyCode) {
    switch (keyCode) {
    case Key::Backspace:
        TakeBack();
        return true;
    case Key::B:
        Answer(PegsLeftPhrase(PegCount(PegsOf(state_))), words_.PegsLeft(PegCount(PegsOf(state_))));
        return true;
    case Key::P:
        if (const int hole = HoleOfControl(control); hole != NoHole) {
            Answer(PositionPhrase(HoleByNumber(hole).y, HoleByNumber(hole).x),
                   words_.Position(hole));
        } else {
            Answer({SpokenWord::Command9Name}, NameOutOfTextMode(control));
        }
        return true;
    case Key::G:
        Ask(SolverQuestion::Kind::Outlook);
        return true;
    case Key::A:
        // Following the hint starts with Space on its peg, so the hand must be empty.
        PutBackPegInHand(state_);
        Ask(SolverQuestion::Kind::Hint);
        return true;
    case Key::T:
        SwitchTextMode();
        return true;
    default:
        return false;
    }
}

void BoardForm::TakeBack() {
    const HoleKeyResult result = Undo(state_);
    if (result.cue) {
        Play(*result.cue);
        Tell(*result.cue == SoundCue::Error ? words_.NothingToTakeBack()
                                            : words_.PegInHandPutBack());
    }
    if (result.focusHole) {
        ForgetQuestion();
        afterArrivalText_ = words_.TakenBack(); // the hole the peg went back to, then this
        SendFocusTo(*result.focusHole);
    }
}

void BoardForm::SendFocusTo(int hole) {
    const ControlId target = PictureControl(hole);
    if (Focused() == target) {
        // No focus event comes for a hole that has the focus: its words are said at once.
        arrivalWithoutFocusEvent_ = true;
        ControlFocused(target);
        arrivalWithoutFocusEvent_ = false;
    } else {
        TheGame().Host().SetFocus(Screen::Board, target);
    }
}

void BoardForm::Ask(SolverQuestion::Kind kind) {
    const int cursor = HoleNumberAt(state_.CurX, state_.CurY);
    // The id is the awaited one before the host is asked: a host may answer at once.
    const SolverQuestion question{kind, PegsOf(state_), cursor == NoHole ? CentreHole : cursor,
                                  puzzle_.start, ++questionId_};
    TheGame().Host().AskSolver(question);
}

void BoardForm::Answered(const SolverAnswer& answer) {
    if (answer.question.id != questionId_ || !Loaded() || answer.question.pegs != PegsOf(state_)) {
        return; // a question forgotten, or asked of a position that is gone
    }
    ++questionId_; // answered: a second answer to it is never said
    if (answer.question.kind == SolverQuestion::Kind::Hint && answer.hint) {
        afterArrival_ = {DirectionWord(answer.hint->direction)};
        afterArrivalText_ = words_.HintDirection(answer.hint->direction);
        Remember(afterArrival_,
                 BoardWords::Then(words_.Arrival(state_, answer.hint->from), afterArrivalText_));
        SendFocusTo(answer.hint->from);
        afterArrival_.clear(); // said with that arrival, or never
        afterArrivalText_.clear();
        return;
    }
    Answer({OutlookWord(answer.outlook)}, words_.Outlook(answer.outlook));
}

void BoardForm::ForgetQuestion() {
    ++questionId_;
    TheGame().Host().ForgetSolverQuestion();
    afterArrival_.clear();
    afterArrivalText_.clear();
}

// An answer, in words and, in the text mode, told; remembered for F8.
void BoardForm::Answer(const std::vector<SpokenWord>& words, const std::string& text) {
    Say(words);
    Tell(text);
    Remember(words, text);
}

// An earcon answering a key (the player's own sound, a refusal), through its button.
void BoardForm::Answer(SoundCue cue, const std::string& text) {
    Play(cue);
    Tell(text);
}

void BoardForm::Remember(const std::vector<SpokenWord>& words, const std::string& text) {
    std::vector<std::string> files;
    for (SpokenWord word : words) {
        files.emplace_back(FileNameOf(word));
    }
    Remember(std::move(files), text);
}

void BoardForm::Remember(std::vector<std::string> files, const std::string& text, bool sweep) {
    constexpr std::size_t Kept = 5;
    answers_.push_front({std::move(files), text, sweep});
    if (answers_.size() > Kept) {
        answers_.pop_back();
    }
}

// F8, and again at once: the answers heard, the newest first; past the oldest kept, the buzz.
void BoardForm::Repeat() {
    const auto back = static_cast<std::size_t>(TheGame().RepeatsInARow() - 1);
    if (back >= answers_.size()) {
        Play(SoundCue::Error);
        Tell(words_.NothingToRepeat());
        return;
    }
    const Remembered& answer = answers_[back];
    const std::vector<std::string_view> files(answer.files.begin(), answer.files.end());
    PlayJoined(MMControl1(), files);
    sweeping_ = answer.sweep;
    Tell(answer.text);
}

// An answer, word after word, on the board's own player: the next cue cuts it, as any cue.
void BoardForm::Say(const std::vector<SpokenWord>& words) {
    sweeping_ = false;
    std::vector<std::string_view> files;
    files.reserve(words.size());
    for (SpokenWord word : words) {
        files.push_back(FileNameOf(word));
    }
    PlayJoined(MMControl1(), files);
}

void BoardForm::PlayThenSay(SoundCue cue, const std::vector<SpokenWord>& words, int arrival) {
    sweeping_ = false;
    const std::string first =
        arrival == NoHole ? std::string(FileNameOf(cue)) : ArrivalPart(cue, arrival);
    std::vector<std::string_view> files{first};
    for (SpokenWord word : words) {
        files.push_back(FileNameOf(word));
    }
    PlayJoined(MMControl1(), files);
}

} // namespace tintineables
