#pragma once
// The game's mid-end: everything the four screens decide, in plain C++ that no window system
// touches, for every host alike. A host turns its platform's keys, focus and clicks into the
// calls below; the game decides, and asks the host (GameHost) to play a cue on a form's player,
// move the focus, show or unload a form, or end.
//
// Inside, it is the forms host of the four forms: one default instance per form, Show and
// Unload, the key preview that lets a form see a key before its focused control, the Tab order,
// and the end of the program when no form is left.
#include "board/game_state.h"
#include "board/solver_question.h"
#include "game/controls.h"
#include "game/game_host.h"
#include "game/look.h"
#include "game/screen.h"
#include "game/touch.h"
#include "sound/sound_settings.h"

#include <array>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintineables {

class Form;

// The recordings the program's first screen plays as it opens (the menu's presentation, or its
// touch version): a host that decodes its recordings as it starts decodes these before the first
// window shows, and may leave the rest for after.
std::vector<std::string_view> FirstScreenRecordings(bool touch);

// What the host does with a key the game has seen.
enum class KeyUse {
    Taken,         // the game's: the platform gives it no meaning of its own
    ForTheControl, // Space on a focused button: the platform presses it, and its click comes
                   // back through Game::Click
    NotTheGames,   // nothing to the game: the platform keeps its own meaning of it
};

class Game {
public:
    explicit Game(GameHost& host);
    ~Game(); // unloads every form still loaded, as the end of the program does
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The program starts: the menu is shown.
    void Start();
    // A key went down (or repeats) on a form's window, `focused` holding the focus there. The
    // shift state (1 Shift, 2 Ctrl, 4 Alt) is passed on and never read.
    KeyUse KeyDown(Screen screen, KeyCode keyCode, std::int16_t shift, ControlId focused);
    // A control received the focus: by SetFocus, by the platform's own Tab, or when its window
    // was shown. Not when the window merely becomes active again.
    void GotFocus(Screen screen, ControlId control);
    // The platform pressed a button (Space on it, a mouse click).
    void Click(Screen screen, ControlId control);
    // A touch host read a gesture on a form's window: the game presses the key it stands for,
    // and the button it is on, as the platform does with Space. Nothing for a gesture that means
    // nothing there; whether it meant something.
    bool Gesture(Screen screen, const TouchGesture& gesture, ControlId focused);
    // A phone's screen reader activated a control (its double tap): a hole takes the focus, if
    // it has not got it, and then picks up or drops, as the board's double tap does; a button
    // is pressed.
    void Activate(Screen screen, ControlId control, ControlId focused);
    // The player closed a form's window through its frame.
    void Close(Screen screen);
    // The solver answered a question the board asked (GameHost::AskSolver).
    void Answered(const SolverAnswer& answer);

    // The forms host's own services, for the forms.
    Form& Instance(Screen screen); // created on first use; creating it does not load it
    void Show(Screen screen);      // loads the form if it is not loaded, then shows it
    void Unload(Screen screen);    // with no form left, the end

    bool Loaded(Screen screen) const;
    int LoadedCount() const;
    bool Ended() const { return ended_; }
    GameHost& Host() const { return host_; }
    // The board's game, as it stands.
    const GameState& BoardState() const;

    // What the board opens on when it is next loaded: the game, or the puzzles, at the puzzle
    // the player was last on in this run (the first at start). Nothing is kept past the end.
    void ChooseBoard(bool puzzles) { boardPuzzle_ = puzzles ? lastPuzzle_ : 0; }
    void ChoosePuzzle(int number) { boardPuzzle_ = lastPuzzle_ = number; }
    // The puzzle's number, 0 for the game.
    int BoardPuzzle() const { return boardPuzzle_; }
    // The game was started by a touch: the spoken screens name gestures, and the board names its
    // holes for a phone's screen reader to find by touch. Set before Start, kept until the end.
    bool Touch() const { return touch_; }
    void SetTouch(bool touch) { touch_ = touch; }
    // Some ten times a second, from the host's clock: the spoken screens' captions follow their
    // recordings as they play.
    void Tick();
    // The captions: the board's, with its status line, and the spoken screens' (L on the
    // board): shown at start, kept until the end.
    bool Captions() const { return captions_; }
    void SetCaptions(bool shown) { captions_ = shown; }
    // A mouse button went down on a form's window over `control` (NoControl: none of its
    // controls), `focused` holding the focus there. On the board the left button on a hole
    // moves the cursor there, which arrives as after an arrow, and on the cursor's own hole
    // picks up or drops, as Space and Ctrl do; the right button takes back, as Backspace does.
    // Elsewhere a host presses what was clicked itself (Click, or a shown key's KeyDown).
    void MouseDown(Screen screen, ControlId control, bool rightButton, ControlId focused);
    // The board's text mode (T): off at start, kept until the end; nothing is written to disk.
    bool TextMode() const { return textMode_; }
    void SetTextMode(bool on) { textMode_ = on; }
    // The player's own sound: given by the host before Start (its options, or what its platform
    // kept), changed by the sound keys; every change goes to the host, to carry out and keep.
    const SoundSettings& Sound() const { return sound_; }
    void SetSoundSettings(const SoundSettings& settings);
    // How many times in a row F8 was the key, the one that hears an answer again; 0 after
    // another key.
    int RepeatsInARow() const { return repeats_; }
    // The screen kept dark (the curtain's key): off at start, kept until the end.
    bool Curtain() const { return curtain_; }
    void SetCurtain(bool dark) { curtain_ = dark; }

    // Runs an event procedure. A run-time error in it is reported and ends the program; after
    // the end no procedure runs at all.
    template <class Procedure> void Guard(Procedure&& procedure) noexcept {
        if (ended_) {
            return;
        }
        try {
            procedure();
            AfterProcedure();
        } catch (const std::exception& error) {
            Fail(std::string("Run-time error: ") + error.what());
        } catch (...) {
            Fail("Run-time error: an unknown failure");
        }
    }

private:
    void Fail(const std::string& message);
    // What follows every procedure: what each loaded form shows, to the host where it changed;
    // under touch, the board's holes named as they now stand.
    void AfterProcedure();
    void ShowLooks(); // to the host, each form's that changed
    Form* LoadedForm(Screen screen) const;

    GameHost& host_;
    std::array<std::unique_ptr<Form>, ScreenCount> instances_;
    bool ended_ = false;
    int boardPuzzle_ = 0;
    int lastPuzzle_ = 1;
    bool textMode_ = false;
    bool captions_ = true;
    bool touch_ = false;
    SoundSettings sound_;
    int repeats_ = 0;
    bool curtain_ = false;
    std::array<std::optional<FormLook>, ScreenCount> shownLooks_; // as the host was last told
};

} // namespace tintineables
