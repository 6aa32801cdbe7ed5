#pragma once
// The game on the real desktop host: its four forms as Qt windows on Qt's offscreen platform,
// each form's sound player writing down what it is told. Keys go to the active window as real
// key events, so they pass the key preview as a player's keys do.
#include "game/game.h"
#include "screens/qt_game_host.h"
#include "screens/screen_reader_support.h"
#include "sound/sound_cue.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tintineables {
inline void PrintTo(SoundCue cue, std::ostream* out) { *out << NameOf(cue); }
} // namespace tintineables

namespace tintineables::testing {

class ScreenHarness {
public:
    // The factory gives each form its sound player; by default one that logs the cues.
    explicit ScreenHarness(std::function<std::unique_ptr<SoundPlayer>()> makePlayer = {});
    ~ScreenHarness();

    void Start(); // shows the menu, as the program does

    // A key to the window of the one loaded form; then Qt's pending events run.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void PressTimes(Qt::Key key, int times);
    // A held key: one key-down, `repeats` auto-repeated key-downs, then the key comes up.
    void PressHeld(Qt::Key key, int repeats, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Runs Qt's events until some sound player is told to play, `ms` at most: for an answer
    // that is worked out on another thread. False when none came.
    bool WaitForSound(int ms = 2000);

    Game& TheGame() { return host_->TheGame(); }
    QtGameHost& Host() { return *host_; }
    // The single loaded form's screen and window; none when no form or several are loaded.
    std::optional<Screen> LoadedScreen();
    QWidget* LoadedWindow();
    QWidget* Picture(int hole) const;
    const GameState& BoardState() { return TheGame().BoardState(); }
    QWidget* Focused() const;
    std::string FocusedName() const;

    // The cues played since the last call, on any form's sound player, each known by the file
    // it played (as the test's own list of cue files names it).
    std::vector<SoundCue> TakeCues();
    // The same, as the file names the sound players were told to play.
    std::vector<std::string> TakePlayedFiles();

    int endStatus = -1;
    std::string error;

private:
    ScreenReaderSupport screenReader_; // as the program has it
    std::vector<std::string> log_;     // file names of the cues started by "play"
    std::unique_ptr<QtGameHost> host_;
};

void ProcessEvents();

} // namespace tintineables::testing
