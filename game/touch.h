#pragma once
// Play by touch, on a phone or a tablet. With the phone's screen reader off, the host reads the
// player's fingers as gestures and hands each to the game, which decides the key it stands for;
// with the screen reader on, the host offers each screen's choices as named buttons, and each is
// the key written beside it. No rule knows whether a key or a finger moved it.
#include "board/key_codes.h"
#include "game/screen.h"
#include "sound/sound_cue.h"

#include <array>
#include <optional>
#include <vector>

namespace tintineables {

// A gesture as the host read it: fingers down at once, then either taps in quick succession at
// one place, a swipe along one axis, or a scrub (back and forth, like a Z).
struct TouchGesture {
    enum class Kind { Tap, Swipe, Scrub };
    enum class Way { None, Left, Up, Right, Down };
    Kind kind = Kind::Tap;
    int fingers = 1;
    int taps = 1;        // of a tap: 2 for the second tap of a double tap, and so on
    Way way = Way::None; // of a swipe
    int band = 0;        // of a tap: the third of the screen it was in, 0 the top, 2 the bottom
};

// A gesture on the board that picks up (Space) with nothing in hand and drops (Ctrl) with a peg
// in hand, as a screen reader's double tap activates what has its focus.
inline constexpr KeyCode ActivateKey = 0;

// The whole board's jumps, Shift+S, as a gesture or a phone's button gives it: no platform key
// has this code, and the game takes it as S with Shift.
inline constexpr KeyCode JumpCountKey = 256;

// The key a gesture stands for on a screen: ActivateKey for the board's double tap; nothing for
// a gesture that means nothing there (a slip of the finger among them).
std::optional<KeyCode> KeyOfGesture(Screen screen, const TouchGesture& gesture);

// A choice of a screen as a button, for a phone's screen reader: the key it presses, its name
// (a text to translate) and, on the spoken screens, the band of the screen it fills (-1: none).
struct TouchChoice {
    KeyCode key;
    const char* name;
    int band;
};

// The choices a screen offers, in the order a screen reader visits them; the puzzles' keys only
// when the board holds a puzzle.
std::vector<TouchChoice> TouchChoices(Screen screen, bool puzzles);

// The cues a phone also gives as a short vibration, where it can and the player has not turned it
// off: the edge of the cross and a refusal, the two a player must not miss.
inline constexpr std::array<SoundCue, 2> FeltCues = {SoundCue::Edge, SoundCue::Error};

} // namespace tintineables
