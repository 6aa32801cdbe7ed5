// The board at a glance: F, C and V sweep the cursor's row, its column and the whole cross by
// ear; S says the jumps of the peg under the cursor, or where the peg in hand can land, and with
// Shift (or on Command9) how many jumps the whole board has; E places every arrival in stereo.
#include "board/hole_table.h"
#include "board/peg_set.h"
#include "game/board_form.h"
#include "game/board_sweep.h"
#include "game/game.h"
#include "sound/joined_parts.h"
#include "sound/phrases.h"
#include "sound/play_cue.h"

#include <algorithm>

namespace tintineables {

namespace {

constexpr std::int16_t ShiftBit = 1;

} // namespace

bool BoardForm::AnswerGlanceKey(ControlId control, KeyCode keyCode, std::int16_t shift) {
    switch (keyCode) {
    case Key::F:
        PlaySweep(SweepKind::Row);
        return true;
    case Key::C:
        PlaySweep(SweepKind::Column);
        return true;
    case Key::V:
        PlaySweep(SweepKind::Cross);
        return true;
    case Key::S:
        if ((shift & ShiftBit) != 0 || HoleOfControl(control) == NoHole) {
            SayJumpCount();
        } else {
            SayJumpsFrom(HoleOfControl(control));
        }
        return true;
    case Key::E: {
        SoundSettings settings = TheGame().Sound();
        settings.stereoArrivals = !settings.stereoArrivals;
        TheGame().SetSoundSettings(settings);
        Answer({settings.stereoArrivals ? SpokenWord::StereoOn : SpokenWord::StereoOff},
               words_.Stereo(settings.stereoArrivals));
        return true;
    }
    default:
        return false;
    }
}

void BoardForm::PlaySweep(SweepKind kind) {
    // On Command9 the sweep goes through the hole the cursor last stood on.
    int cursor = HoleNumberAt(state_.CurX, state_.CurY);
    cursor = cursor == NoHole ? CentreHole : cursor;
    std::vector<std::string> parts =
        SweepParts(Sweep(state_, cursor, kind, TheGame().Sound().Rate()));
    const std::vector<std::string_view> files(parts.begin(), parts.end());
    PlayJoined(MMControl1(), files);
    sweeping_ = true;
    const std::string text = words_.Sweep(state_, cursor, kind);
    Tell(text);
    Remember(std::move(parts), text, true);
}

void BoardForm::CutSweep() {
    if (sweeping_ && Loaded()) {
        sweeping_ = false;
        MMControl1().SetString(DispatchId::Command, "close");
    }
}

void BoardForm::SayJumpsFrom(int hole) {
    const PegSet pegs = PegsOf(state_); // the peg in hand counted back where it was lifted
    std::vector<SpokenWord> words;
    if (state_.Holding == True) {
        const int from = HoleNumberAt(state_.FromX, state_.FromY);
        std::vector<int> landings;
        for (const PegJump& jump : AllJumps()) {
            if (jump.from == from && CanJump(pegs, jump)) {
                landings.push_back(jump.to);
            }
        }
        std::sort(landings.begin(), landings.end()); // row by row from the bottom, as Tab goes
        if (!landings.empty()) {
            words.push_back(SpokenWord::LandsOn);
            for (int to : landings) {
                const std::vector<SpokenWord> place =
                    PositionPhrase(HoleByNumber(to).y, HoleByNumber(to).x);
                words.insert(words.end(), place.begin(), place.end());
            }
        }
        Answer(words.empty() ? std::vector{SpokenWord::NoJump} : words, words_.Landings(landings));
        return;
    }
    std::vector<Direction> ways;
    for (const PegJump& jump : AllJumps()) {
        if (jump.from == hole && CanJump(pegs, jump)) {
            ways.push_back(jump.direction);
        }
    }
    std::sort(ways.begin(), ways.end()); // left, up, right, down, whatever the table's order
    for (Direction way : ways) {
        words.push_back(DirectionWord(way));
    }
    Answer(words.empty() ? std::vector{SpokenWord::NoJump} : words, words_.Jumps(ways));
}

void BoardForm::SayJumpCount() {
    const PegSet pegs = PegsOf(state_);
    int jumps = 0;
    for (const PegJump& jump : AllJumps()) {
        jumps += CanJump(pegs, jump) ? 1 : 0;
    }
    std::vector<SpokenWord> words{SpokenWord::NoJump};
    if (jumps == 1) {
        words = {SpokenWord::ThereIsOne, JumpCountWord(1), SpokenWord::PossibleJump};
    } else if (jumps > 1) {
        words = {SpokenWord::ThereAre, JumpCountWord(jumps), SpokenWord::PossibleJumps};
    }
    Answer(words, words_.JumpCount(jumps));
}

// An arrival's cue, heard from its hole's column when the player asked for stereo arrivals.
std::string BoardForm::ArrivalPart(SoundCue cue, int hole) const {
    if (!TheGame().Sound().stereoArrivals) {
        return std::string(FileNameOf(cue));
    }
    return WriteJoinedPart(FileNameOf(cue), PlaceOfColumn(HoleByNumber(hole).x), std::nullopt);
}

} // namespace tintineables
