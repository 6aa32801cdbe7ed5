#pragma once
// Plays the board's rules the way the screen does: a key on the focused hole, and an
// announcement whenever the focus arrives on a hole. Collects every cue heard.

#include "board/game_state.h"
#include "board/key_codes.h"
#include "sound/sound_cue.h"

#include <vector>

namespace tintineables::testing {

// The arrow that leads from one hole towards another in the same row or column.
KeyCode ArrowFromTo(int from, int to);

class BoardPlayer {
public:
    BoardPlayer(); // a new game, focus on hole 1 and announced

    void Focus(int hole); // the focus arrives on a hole (Tab, first show)
    void Press(KeyCode key);
    void PressTimes(KeyCode key, int times);
    void NewGameWithRestart(); // F2
    // Walks to `from`, picks up, walks two holes to `to`, drops.
    void Jump(int from, int to);
    void WalkTo(int hole);

    GameState state;
    int focus = 0;
    bool won = false;
    std::vector<SoundCue> heard;

    SoundCue LastCue() const { return heard.back(); }
};

} // namespace tintineables::testing
