#pragma once
#include "board/key_codes.h"

namespace tintineables {

// The four screens, each one form with a single default instance.
enum class Screen { Board, Menu, Tutorial, Credits }; // Form1, Form2, Form3, Form4
inline constexpr int ScreenCount = 4;
inline constexpr Screen AllScreens[ScreenCount] = {Screen::Board, Screen::Menu, Screen::Tutorial,
                                                   Screen::Credits};

// What a screen key does, by the flow between the screens.
struct FlowStep {
    enum class Kind {
        Nothing,  // the key means nothing to this screen
        SwitchTo, // show `target` (it loads afresh), then unload this screen
        Replay,   // run this screen's own Form_Load again: its cue from the beginning
        Restart,  // the board: a new game, then the Restart cue
        End,      // unload this screen without showing another: the program ends
    };
    Kind kind = Kind::Nothing;
    Screen target = Screen::Menu;
    bool puzzles = false; // switching to the board: on the puzzles, not the game
};

FlowStep FlowFor(Screen screen, KeyCode keyCode);

} // namespace tintineables
