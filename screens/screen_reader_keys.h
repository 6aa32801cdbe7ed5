#pragma once
// The game's keys under a screen reader, without waiting for it.
//
// With a screen reader listening, Qt's accessibility bridge holds every key press and release,
// asks the accessibility registry (and so the screen reader) whether it wants the key, and
// only on the answer, or 100 ms later, hands it to the game: a cue then comes as late as the
// screen reader, in Python, is busy. Yet the game's own keys (arrows, Space, Ctrl, F1..F3,
// Escape, Tab, Backspace and the letters of its questions) are never the screen reader's
// commands: those use its own modifier (Insert, or Caps Lock on a laptop) or the keypad.
//
// So a spontaneous key event that is one of the game's, not on the keypad, and not pressed
// while the screen reader's modifier is held, is told to the registry without waiting for the
// answer (the screen reader still hears it: its key echo, its idea of which keys are down), and
// is handed to the game at once as a copy that is not spontaneous, which the bridge lets
// pass. The original goes no further, so the bridge never holds it and never hands it on a
// second time. Every other key takes the bridge's way, as before.
#include <QCoreApplication>
#include <QKeyEvent>

namespace tintineables {

class ScreenReaderKeys {
public:
    // Whether `event`, a spontaneous key event for a window, may skip the screen reader's
    // answer. If so, the screen reader has been told of it, and the caller hands the game a
    // copy of it instead. Keeps count of the screen reader's modifier, pressed and released.
    bool SkipsTheWait(const QKeyEvent& event);

private:
    // Tells the accessibility registry of the key, without asking for its answer; false when
    // there is no registry to tell.
    static bool TellTheRegistry(const QKeyEvent& event);

    int screenReaderModifiersHeld_ = 0;
};

} // namespace tintineables
