#pragma once
#include "board/key_codes.h"
#include "game/controls.h"
#include "game/game_host.h"
#include "game/look.h"
#include "game/screen.h"
#include "sound/sound_cue.h"
#include "sound/sound_player.h"
#include "sound/spoken_words.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tintineables {

class Game;

// One screen: the default instance of a form. While loaded, its window and controls stand on
// the host, and it owns its hidden MMControl1's sound player. Unloading destroys them all; the
// instance itself lives on, ready to be loaded afresh.
class Form {
public:
    Form(Game& game, Screen screen);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Screen WhichScreen() const { return screen_; }
    bool Loaded() const { return loaded_; }
    SoundPlayer& MMControl1();
    Game& TheGame() const { return game_; }

    // For the game: build the window and its controls on the host, then raise Form_Load.
    void Load();
    // For the game: destroy the window, its controls and the sound player. No event reaches
    // them afterwards, not even the rest of the key being dispatched.
    void Unload();
    // The control that takes the focus when the window is shown, if any.
    virtual ControlId FirstFocus() const { return NoControl; }

    // A key went down on the form or on one of its controls: the form sees it first when it
    // previews keys (or has no control focused), then the control, if the form is still loaded.
    void KeyPressed(ControlId control, KeyCode keyCode, std::int16_t shift);
    // A control received the focus.
    void ControlFocused(ControlId control);
    // A button was pressed.
    virtual void ControlClicked(ControlId) {}
    // A key went down on the form, before anything else is done with it (Tab, the sound keys
    // and F8 among them).
    virtual void KeyArrives() {}
    // The keys of the player's own sound, the same on every screen: F8 hears the last answer again
    // (Repeat), 7 and 8 the speech slower and faster, 9 and 0 quieter and louder, minus and
    // equals the earcons quieter and louder; each says what it did at once, in the new way, and a
    // key past the last step is refused.
    void SoundKey(KeyCode keyCode);
    // The control that holds the focus, as the last arrival left it.
    ControlId Focused() const { return focused_; }
    // The control Tab (or Shift+Tab) goes to from `from`: the next visible control that takes
    // the focus, in TabIndex order, round the end. NoControl when the form has none.
    ControlId NextInTabOrder(ControlId from, bool backwards) const;
    // Whether the control is a button the platform presses with Space.
    bool IsButton(ControlId control) const;
    // What the form shows a sighted player as it now stands (the curtain left to the game).
    virtual FormLook Look() const = 0;
    // Time passed with no event: a form whose look follows its sound catches up with it.
    virtual void TimePassed() {}

    virtual void Form_Load() = 0;
    virtual void Form_KeyDown(KeyCode keyCode, std::int16_t shift) = 0;

protected:
    // The form's controls in TabIndex order; every form has its MMControl1.
    virtual std::vector<ControlView> Controls() const;
    virtual void ForgetControls() {}
    virtual void Control_KeyDown(ControlId, KeyCode, std::int16_t) {}
    virtual void Control_GotFocus(ControlId) {}
    // The screen keys shared by every form: switch, replay, end. Returns what it did not do.
    FlowStep FollowFlow(KeyCode keyCode);
    // F8: an answer again.
    virtual void Repeat() = 0;
    // An answer of the form's: an earcon (on the board, through its button), words, a refusal;
    // on the board the text mode also tells the words.
    virtual void Answer(SoundCue cue, const std::string& text);
    virtual void Answer(const std::vector<SpokenWord>& words, const std::string& text);

private:
    Game& game_;
    Screen screen_;
    bool loaded_ = false;
    std::vector<ControlView> controls_; // while loaded
    ControlId focused_ = NoControl;
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace tintineables
