#include "tests/board_player.h"

#include "board/announcement.h"
#include "board/hole_key_down.h"
#include "board/hole_table.h"
#include "board/new_game.h"

#include <stdexcept>

namespace tintineables::testing {

KeyCode ArrowFromTo(int from, int to) {
    const Hole& a = HoleByNumber(from);
    const Hole& b = HoleByNumber(to);
    return b.x > a.x ? Key::Right : b.x < a.x ? Key::Left : b.y > a.y ? Key::Up : Key::Down;
}

BoardPlayer::BoardPlayer() {
    NewGame(state);
    Focus(1);
}

void BoardPlayer::Focus(int hole) {
    focus = hole;
    heard.push_back(Announce(state, hole));
}

void BoardPlayer::Press(KeyCode key) {
    const HoleKeyResult result = HoleKeyDown(state, focus, key);
    if (result.cue) {
        heard.push_back(*result.cue);
        won = won || *result.cue == SoundCue::Applause;
    }
    if (result.focusHole) {
        Focus(*result.focusHole);
    }
}

void BoardPlayer::PressTimes(KeyCode key, int times) {
    for (int i = 0; i < times; ++i) {
        Press(key);
    }
}

void BoardPlayer::NewGameWithRestart() {
    NewGame(state);
    won = false;
    heard.push_back(SoundCue::Restart);
}

void BoardPlayer::WalkTo(int hole) {
    // Rows first, then columns: on the cross that path never leaves the board, because
    // it turns at the target's row, and any row holds the columns 3..5 of the arms.
    const Hole& target = HoleByNumber(hole);
    for (int guard = 0; focus != hole; ++guard) {
        if (guard > 20) {
            throw std::logic_error("cannot walk to hole " + std::to_string(hole));
        }
        const Hole& here = HoleByNumber(focus);
        const bool inArmColumns = here.x >= 3 && here.x <= 5;
        if (here.y != target.y && (inArmColumns || (target.y >= 3 && target.y <= 5))) {
            Press(here.y < target.y ? Key::Up : Key::Down);
        } else if (here.x != target.x) {
            Press(here.x < target.x ? Key::Right : Key::Left);
        } else {
            Press(here.y < target.y ? Key::Up : Key::Down);
        }
    }
}

void BoardPlayer::Jump(int from, int to) {
    WalkTo(from);
    Press(Key::Space);
    const KeyCode arrow = ArrowFromTo(from, to);
    PressTimes(arrow, 2);
    Press(Key::Control);
}

} // namespace tintineables::testing
