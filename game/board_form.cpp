#include "game/board_form.h"

#include "board/announcement.h"
#include "board/hole_key_down.h"
#include "game/design_data.h"
#include "game/game.h"
#include "sound/play_cue.h"
#include "sound/run_time_error.h"

#include <string_view>

namespace tintineables {

BoardForm::BoardForm(Game& game) : Form(game, Screen::Board), words_(game.Host()) {}

std::vector<ControlView> BoardForm::Controls() const {
    std::vector<ControlView> controls;
    for (const BoardControlDesign& design : BoardControls()) {
        // The holes say nothing to a screen reader, whose speech would only cover the cues;
        // Command9 keeps its caption and says what it does.
        const bool named = design.kind == ControlKind::Button && design.visible;
        controls.push_back({design.tabIndex, design.name, design.kind, design.rect, design.visible,
                            design.kind != ControlKind::MultimediaControl, design.caption,
                            named ? TheGame().Host().Translate(Command9AccessibleName) : ""});
    }
    return controls;
}

void BoardForm::ForgetControls() {
    ForgetQuestion();
    told_.clear();
    touchNames_ = {}; // the next window's holes have no name yet
    answers_.clear(); // of a game the player has left
    caption_.clear();
}

void BoardForm::Form_Load() { SetUpTheBoard(); }

FormLook BoardForm::Look() const {
    FormLook look;
    look.screen = Screen::Board;
    for (const Hole& hole : HoleTable) {
        const bool lifted =
            state_.Holding == True && hole.x == state_.FromX && hole.y == state_.FromY;
        look.holes[static_cast<std::size_t>(hole.number - 1)] =
            lifted                                   ? HoleLook::Lifted
            : state_.Board.At(hole.x, hole.y) == Peg ? HoleLook::WithPeg
                                                     : HoleLook::Empty;
    }
    look.cursor = HoleOfControl(Focused());
    if (TheGame().Captions()) {
        look.captioned = true;
        look.caption = caption_;
        look.status = StatusLine();
    }
    return look;
}

void BoardForm::Form_KeyDown(KeyCode keyCode, std::int16_t /*shift*/) {
    // F2 and Escape end this game: a question about it is forgotten first. Leaving shows the
    // menu before the board goes, and showing a window can run the answer that waits.
    if (FlowFor(Screen::Board, keyCode).kind != FlowStep::Kind::Nothing) {
        ForgetQuestion();
    }
    if (FollowFlow(keyCode).kind == FlowStep::Kind::Restart) {
        Form_Load();
        afterArrival_.clear(); // no arrival follows: the name goes with the restart
        afterArrivalText_.clear();
        if (puzzle_.number == 0) {
            PlayCue(MMControl1(), SoundCue::Restart);
        } else {
            PlayThenSay(SoundCue::Restart, PuzzleName(), NoHole);
        }
        std::string text = words_.NewGame();
        if (puzzle_.number != 0) {
            text = BoardWords::Then(text, PuzzleText());
        }
        if (const int hole = HoleOfControl(Focused()); hole != NoHole) {
            text = BoardWords::Then(text, words_.Arrival(state_, hole));
        }
        Tell(text);
        return;
    }
    ChangePuzzle(keyCode);
}

void BoardForm::Control_GotFocus(ControlId control) {
    const int hole = HoleOfControl(control);
    if (hole != NoHole) {
        const SoundCue cue = Announce(state_, hole);
        if (!afterArrival_.empty()) {
            PlayThenSay(cue, afterArrival_, hole);
        } else if (TheGame().Sound().stereoArrivals) {
            const std::string placed = ArrivalPart(cue, hole);
            const std::string_view file = placed;
            PlayJoined(MMControl1(), {&file, 1});
            sweeping_ = false;
        } else {
            Play(cue);
        }
    }
    TellArrival(control, hole);
    afterArrival_.clear();
    afterArrivalText_.clear();
}

void BoardForm::Control_KeyDown(ControlId control, KeyCode keyCode, std::int16_t shift) {
    if (AnswerHelpKey(control, keyCode) || AnswerGlanceKey(control, keyCode, shift) ||
        AnswerCaptionKey(keyCode)) {
        return;
    }
    const int hole = HoleOfControl(control);
    if (hole == NoHole) {
        return; // Command9: its Space is a click, and nothing else means anything to it
    }
    const HoleKeyResult result = HoleKeyDown(state_, hole, keyCode);
    if (result.cue) {
        Play(*result.cue);
        if (*result.cue == SoundCue::Place || *result.cue == SoundCue::Applause) {
            ForgetQuestion(); // a jump: the position asked about is gone
        }
        const std::string text = words_.OfCue(*result.cue, result.refusal);
        Tell(text);
        if (*result.cue == SoundCue::Error && TheGame().TextMode()) {
            Remember({std::string(FileNameOf(SoundCue::Error))}, text); // a refusal's words
        }
    }
    if (result.focusHole) {
        const std::string said = caption_;
        TheGame().Host().SetFocus(Screen::Board, PictureControl(*result.focusHole));
        if (result.cue) {
            Caption(BoardWords::Then(said, caption_)); // the refusal's reason stays in sight
        }
    }
}

void BoardForm::ControlClicked(ControlId control) {
    if (const int button = ButtonOfControl(control); button != 0) {
        Command_Click(button);
    }
}

void BoardForm::Command_Click(int button) {
    sweeping_ = false; // whatever sounded, this cue cuts it
    for (const SoundCueInfo& info : SoundCueTable) {
        if (info.button == button) {
            PlayCue(MMControl1(), info.cue);
            return;
        }
    }
    throw RunTimeError("No sound button Command" + std::to_string(button));
}

// Every cue of the board goes through its button's Click procedure.
void BoardForm::Play(SoundCue cue) { Command_Click(InfoOf(cue).button); }

} // namespace tintineables
