// The board's text mode: T switches it; in it, every arrival and every answer of the board is
// also told in words to the host's screen reader and braille display, after its cue.
#include "board/hole_table.h"
#include "game/board_form.h"
#include "game/design_data.h"
#include "game/game.h"

namespace tintineables {

void BoardForm::SwitchTextMode() {
    const bool on = !TheGame().TextMode();
    TheGame().SetTextMode(true); // the switch is told in words either way
    Answer({on ? SpokenWord::TextModeOn : SpokenWord::TextModeOff}, words_.TextMode(on));
    TheGame().SetTextMode(on);
    if (!on) {
        // Every other control says nothing of the mode any more; the focused one keeps the
        // switch's words until the focus leaves it, and gets its own name back on its next
        // arrival.
        for (const ControlId control : told_) {
            if (control != Focused()) {
                TheGame().Host().Tell(Screen::Board, control, NameOutOfTextMode(control), false);
            }
        }
        told_ = {Focused()};
    }
}

void BoardForm::Tell(const std::string& text) {
    Caption(text);
    const ControlId control = Focused();
    if (!TheGame().TextMode() || text.empty() || control == NoControl) {
        return;
    }
    told_.insert(control);
    TheGame().Host().Tell(Screen::Board, control, text, true);
}

void BoardForm::TellArrival(ControlId control, int hole) {
    if (hole != NoHole) {
        Caption(BoardWords::Then(words_.Arrival(state_, hole), afterArrivalText_));
    }
    if (TheGame().Touch() && hole != NoHole) {
        // Under touch a hole holds its name at all times, which the screen reader reads as it
        // arrives; the mode adds what follows the arrival, and an arrival with no focus event.
        if (TheGame().TextMode()) {
            const std::string text =
                arrivalWithoutFocusEvent_
                    ? BoardWords::Then(words_.Arrival(state_, hole), afterArrivalText_)
                    : afterArrivalText_;
            if (!text.empty()) {
                TheGame().Host().Tell(Screen::Board, control, text, true);
            }
        }
        return;
    }
    if (!TheGame().TextMode()) {
        if (told_.erase(control) > 0) {
            TheGame().Host().Tell(Screen::Board, control, NameOutOfTextMode(control), false);
        }
        return;
    }
    const std::string text =
        hole == NoHole ? NameOutOfTextMode(control)
                       : BoardWords::Then(words_.Arrival(state_, hole), afterArrivalText_);
    told_.insert(control);
    TheGame().Host().Tell(Screen::Board, control, text, arrivalWithoutFocusEvent_);
}

// A hole has no name of its own (its cue is its answer), but under touch, where it is found by
// its name; Command9 says what it does.
std::string BoardForm::NameOutOfTextMode(ControlId control) const {
    const int hole = HoleOfControl(control);
    if (hole == NoHole) {
        return TheGame().Host().Translate(Command9AccessibleName);
    }
    return TheGame().Touch() ? words_.Arrival(state_, hole) : std::string();
}

void BoardForm::NameHolesForTouch() {
    for (int hole = 1; hole <= HoleCount; ++hole) {
        const ControlId control = PictureControl(hole);
        std::string name = words_.Arrival(state_, hole);
        if (name != touchNames_[static_cast<std::size_t>(control)]) {
            TheGame().Host().Tell(Screen::Board, control, name, false);
            touchNames_[static_cast<std::size_t>(control)] = std::move(name);
        }
    }
}

} // namespace tintineables
