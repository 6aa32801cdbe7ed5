#pragma once
// What the game asks of the platform it runs on (a desktop's window system, a web page): a
// window for each form with its controls, the keyboard focus, a sound player for each form, the
// solver's answers, and the end. The host calls the game (game.h) with what the player does; the
// game calls back here with what the platform is to do.
#include "board/solver_question.h"
#include "game/controls.h"
#include "game/design_data.h"
#include "game/look.h"
#include "game/screen.h"
#include "sound/language.h"
#include "sound/sound_player.h"
#include "sound/sound_settings.h"

#include <memory>
#include <string>
#include <vector>

namespace tintineables {

// A control as the host builds it.
struct ControlView {
    ControlId id;
    std::string name; // Picture1, Command9, MMControl1
    ControlKind kind;
    TwipsRect rect;
    bool visible;
    bool tabStop;        // it can take the focus
    std::string caption; // a button's
    // What a screen reader says of it, in the game's language; empty: nothing at all.
    std::string accessibleName;
};

// A form's window as the host builds it.
struct FormView {
    Screen screen;
    std::string formName; // Form1..Form4
    std::string title;    // in the game's language
    bool maxButton;
    std::vector<ControlView> controls; // in TabIndex order, MMControl1 among them
};

class GameHost {
public:
    virtual ~GameHost() = default;

    // Builds the form's window and controls as `view` says, not shown yet.
    virtual void LoadForm(const FormView& view) = 0;
    // Shows the loaded form's window and makes it the active one, with the focus on `focus`
    // (NoControl: the window itself). The control's arrival comes back through Game::GotFocus.
    virtual void ShowForm(Screen screen, ControlId focus) = 0;
    // Destroys the form's window and controls: nothing of theirs reaches the game afterwards,
    // not even the rest of the key being handled.
    virtual void UnloadForm(Screen screen) = 0;
    // Moves the focus to a control of the shown form; the arrival comes back through
    // Game::GotFocus, at once.
    virtual void SetFocus(Screen screen, ControlId control) = 0;

    // What a loaded form shows a sighted player, whenever it changes (and once after it loads):
    // drawn in its window, behind its controls, which stay what they are to a screen reader.
    virtual void ShowLook(const FormLook& look) = 0;

    // A sound player for the form's MMControl1, driven by PlayCue's six settings.
    virtual std::unique_ptr<SoundPlayer> MakePlayer(Screen screen) = 0;
    // The player's own sound (the speech's pace, the speech's and the earcons' loudness), for every
    // sound from now on; a host whose platform keeps a program's settings (the page's storage)
    // keeps these.
    virtual void ApplySoundSettings(const SoundSettings& settings) = 0;

    // Works out a question of the solver. The answer comes back through Game::Answered, later
    // on the same thread as the keys, or at once from inside this call.
    virtual void AskSolver(const SolverQuestion& question) = 0;
    // The question waiting, if any, is stale: the game would drop its answer.
    virtual void ForgetSolverQuestion() = 0;

    // Words for a screen reader and a braille display, in the board's text mode. `text` becomes
    // the name of a control of the shown form (empty: it has none again). `now`: the control has
    // the focus and the text is an answer, said at once; otherwise it is what the control says as
    // the focus arrives on it, or, for an arrival being handled, says now. Never waits for the
    // screen reader.
    virtual void Tell(Screen screen, ControlId control, const std::string& text, bool now) = 0;

    // A text of the design data (in Spanish) in the language the game speaks.
    virtual std::string Translate(const char* text) = 0;
    // The language the game speaks: its recordings' and its words on the screen.
    virtual Language SpokenLanguage() const = 0;

    // A run-time error, for the player; every form has been unloaded.
    virtual void ReportError(const std::string& message) = 0;
    // The program ends with this status: 0 when the last form is unloaded, 1 after an error.
    virtual void End(int status) = 0;
};

} // namespace tintineables
