#pragma once
// The game on Windows itself: the four forms as top-level windows with standard controls, which
// screen readers (NVDA, JAWS, Narrator) read through Windows' own accessibility. The holes are
// focusable child windows with nothing to say (the cue is the announcement), the buttons standard
// push buttons, MMControl1 an unseen window. The message loop is the forms' key preview: every
// key goes to the game before the focused control; the game moves the focus, and each arrival
// comes back to it. The solver answers on a thread of its own.
#include "board/solver_worker.h"
#include "game/game.h"
#include "sound/cue_mixer.h"
#include "sound/language.h"

#include <windows.h>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace tintineables {

class WinGameHost final : public GameHost {
public:
    struct Hooks {
        CueMixer& mixer; // each call into the game changes its sound as one
        std::function<std::unique_ptr<SoundPlayer>()> makePlayer;
        std::function<void(const std::string&)> reportError; // after the message on stderr
        // The player's own sound changed: the mixer plays by it from now on.
        std::function<void(const SoundSettings&)> applySoundSettings = {};
    };
    WinGameHost(HINSTANCE instance, Language language, Hooks hooks);
    ~WinGameHost() override;
    WinGameHost(const WinGameHost&) = delete;
    WinGameHost& operator=(const WinGameHost&) = delete;

    Game& TheGame() { return *game_; }
    // Starts the game and runs the message loop until it ends; its status.
    int Run();

    void LoadForm(const FormView& view) override;
    void ShowForm(Screen screen, ControlId focus) override;
    void UnloadForm(Screen screen) override;
    void SetFocus(Screen screen, ControlId control) override;
    void ShowLook(const FormLook& look) override;
    std::unique_ptr<SoundPlayer> MakePlayer(Screen screen) override;
    void ApplySoundSettings(const SoundSettings& settings) override;
    void AskSolver(const SolverQuestion& question) override;
    void ForgetSolverQuestion() override;
    void Tell(Screen screen, ControlId control, const std::string& text, bool now) override;
    std::string Translate(const char* text) override;
    Language SpokenLanguage() const override { return language_; }
    void ReportError(const std::string& message) override;
    void End(int status) override;

    struct Form; // a loaded form's window and controls

private:
    static LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK HoleProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ButtonProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK AnswerProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    bool PreviewKey(const MSG& message);
    // The holes in their cells of the cross, Command9 in the empty corner at its bottom right.
    void PlaceControls(Form& form);
    void Arrived(HWND control);
    Form* FormOf(HWND window) const;

    HINSTANCE instance_;
    Language language_;
    Hooks hooks_;
    HWND answers_; // a message-only window: the solver's answers reach the keys' thread by it
    std::array<std::unique_ptr<Form>, ScreenCount> forms_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<SolverWorker> solver_;
    std::mutex answeredMutex_;
    std::deque<SolverAnswer> answered_;
    bool restoring_ = false; // the focus comes back to a window made active again: no arrival
    int status_ = -1;
};

} // namespace tintineables
