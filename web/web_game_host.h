#pragma once
// The page's host on the C++ side: the game's requests turned into calls of the page
// (page_calls.h). The solver answers from the table at once, on the page's own thread; a
// question that needs a search goes to the page's worker, and its answer comes back later.
#include "game/game.h"
#include "game/game_host.h"

#include <memory>
#include <optional>

namespace tintineables {

class WebGameHost final : public GameHost {
public:
    WebGameHost();
    ~WebGameHost() override;

    // A new game from the menu, the one before it forgotten (after Escape on the menu).
    void Start(bool touch);
    Game& TheGame() { return *game_; }

    void LoadForm(const FormView& view) override;
    void ShowForm(Screen screen, ControlId focus) override;
    void UnloadForm(Screen screen) override;
    void SetFocus(Screen screen, ControlId control) override;
    void ShowLook(const FormLook& look) override;
    std::unique_ptr<SoundPlayer> MakePlayer(Screen screen) override;
    // Kept across the games of a visit; the page keeps them across visits.
    void ApplySoundSettings(const SoundSettings& settings) override;
    void AskSolver(const SolverQuestion& question) override;
    void ForgetSolverQuestion() override { searching_.reset(); }
    // The worker's answer (as tintineables_solver_answer packs it) to the question of that id.
    void Searched(unsigned id, int packed);
    void Tell(Screen screen, ControlId control, const std::string& text, bool now) override;
    std::string Translate(const char* text) override;
    Language SpokenLanguage() const override { return language_; }
    void SetSpokenLanguage(Language language) { language_ = language; }
    void ReportError(const std::string& message) override;
    void End(int status) override;

private:
    std::unique_ptr<Game> game_;
    std::optional<SolverQuestion> searching_; // sent to the worker, not yet answered
    SoundSettings sound_;
    Language language_ = Language::Spanish;
};

} // namespace tintineables
