#pragma once
// The desktop host: the game's forms as top-level Qt windows, its focus as Qt's keyboard focus,
// its sound players from the audio engine (by a factory), and the solver on a thread of its own
// whose answers come back to the game on Qt's thread.
#include "board/solver_worker.h"
#include "game/game.h"
#include "game/game_host.h"
#include "screens/form_window.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace tintineables {

class QtGameHost final : public GameHost {
public:
    struct Hooks {
        std::function<std::unique_ptr<SoundPlayer>()> makePlayer;
        // Shows a run-time error to the player (the host has printed it on stderr already).
        std::function<void(const std::string&)> reportError;
        // The program ends with this status: 0 when the last form is unloaded, 1 on an error.
        std::function<void(int)> end;
        // The player's own sound changed: the audio engine plays by it from now on.
        std::function<void(const SoundSettings&)> applySoundSettings = {};
        // The language the game speaks, as its recordings were chosen.
        Language language = Language::Spanish;
    };

    explicit QtGameHost(Hooks hooks);
    ~QtGameHost() override;
    QtGameHost(const QtGameHost&) = delete;
    QtGameHost& operator=(const QtGameHost&) = delete;

    Game& TheGame() { return *game_; }
    // The window of a loaded form, or null.
    QWidget* Window(Screen screen) const;
    // A control's widget on a loaded form, or null.
    QWidget* Control(Screen screen, ControlId control) const;

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
    Language SpokenLanguage() const override { return hooks_.language; }
    void ReportError(const std::string& message) override;
    void End(int status) override;

private:
    Hooks hooks_;
    std::array<QPointer<FormWindow>, ScreenCount> windows_;
    QObject answerReceiver_;               // the solver's answers come to Qt's thread here
    std::unique_ptr<SolverWorker> solver_; // after the receiver: its thread ends first
    std::unique_ptr<Game> game_;
    QTimer clock_; // the game's Tick
};

} // namespace tintineables
