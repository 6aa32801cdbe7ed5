#include "web/web_game_host.h"

#include "board/winnable_table.h"
#include "web/page_calls.h"
#include "web/web_sound_player.h"

#include <cstdlib>
#include <string>

namespace tintineables {

WebGameHost::WebGameHost() : game_(std::make_unique<Game>(*this)) {}

WebGameHost::~WebGameHost() { game_.reset(); }

void WebGameHost::Start(bool touch) {
    // The game before ended itself (Escape on the menu) or was never started.
    game_.reset();
    game_ = std::make_unique<Game>(*this);
    game_->SetTouch(touch);
    game_->SetSoundSettings(sound_);
    game_->Start();
}

void WebGameHost::ApplySoundSettings(const SoundSettings& settings) {
    sound_ = settings;
    tintineables_page_sound(settings.rate, settings.Rate(), settings.speechDb, settings.cueDb,
                            settings.stereoArrivals ? 1 : 0);
}

void WebGameHost::LoadForm(const FormView& view) {
    const int screen = static_cast<int>(view.screen);
    tintineables_page_load_form(screen, view.formName.c_str(), view.title.c_str());
    for (const ControlView& control : view.controls) {
        tintineables_page_add_control(screen, control.id, control.name.c_str(),
                                      static_cast<int>(control.kind), control.rect.left,
                                      control.rect.top, control.rect.width, control.rect.height,
                                      control.visible ? 1 : 0, control.tabStop ? 1 : 0,
                                      control.caption.c_str(), control.accessibleName.c_str());
    }
}

void WebGameHost::ShowForm(Screen screen, ControlId focus) {
    tintineables_page_show_form(static_cast<int>(screen), focus);
}

void WebGameHost::UnloadForm(Screen screen) {
    tintineables_page_unload_form(static_cast<int>(screen));
}

void WebGameHost::ShowLook(const FormLook& look) {
    std::string holes;
    for (HoleLook hole : look.holes) {
        holes += hole == HoleLook::WithPeg ? 'p' : hole == HoleLook::Empty ? 'e' : 'l';
    }
    std::string choices;
    for (const ShownChoice& choice : look.choices) {
        choices += std::to_string(choice.key) + '\t' + choice.keyLabel + '\t' + choice.name + '\n';
    }
    tintineables_page_look(static_cast<int>(look.screen), look.curtain ? 1 : 0, look.cursor,
                           holes.c_str(), choices.c_str(), look.captioned ? 1 : 0,
                           look.status.c_str(), look.caption.c_str(), look.nextCaption.c_str());
}

void WebGameHost::SetFocus(Screen screen, ControlId control) {
    tintineables_page_set_focus(static_cast<int>(screen), control);
}

std::unique_ptr<SoundPlayer> WebGameHost::MakePlayer(Screen /*screen*/) {
    return std::make_unique<WebSoundPlayer>();
}

// A look-up in the table takes microseconds, on the page's own thread; a game that began off
// the table's ways (some puzzles) is searched by the worker, so that no key waits for it.
void WebGameHost::AskSolver(const SolverQuestion& question) {
    if (OnAWinningPath(question.gameStart)) {
        game_->Answered(AnswerQuestion(question));
        return;
    }
    searching_ = question;
    tintineables_page_ask_solver(
        question.kind == SolverQuestion::Kind::Hint ? 1 : 0, static_cast<unsigned>(question.pegs),
        static_cast<unsigned>(question.pegs >> 32), question.nearHole,
        static_cast<unsigned>(question.gameStart), static_cast<unsigned>(question.gameStart >> 32),
        static_cast<unsigned>(question.id));
}

void WebGameHost::Searched(unsigned id, int packed) {
    if (!searching_ || static_cast<unsigned>(searching_->id) != id) {
        return; // forgotten, or overtaken by a newer question
    }
    SolverAnswer answer{*searching_, static_cast<Outlook>(packed % 4), std::nullopt};
    searching_.reset();
    if (const int hint = packed / 4; hint > 0) {
        answer.hint = Hint{(hint - 1) / 4, static_cast<Direction>((hint - 1) % 4)};
    }
    game_->Answered(answer);
}

void WebGameHost::Tell(Screen screen, ControlId control, const std::string& text, bool now) {
    tintineables_page_tell(static_cast<int>(screen), control, text.c_str(), now ? 1 : 0);
}

std::string WebGameHost::Translate(const char* text) {
    char* translated = tintineables_page_translate(text);
    std::string result = translated != nullptr ? translated : text;
    std::free(translated);
    return result;
}

void WebGameHost::ReportError(const std::string& message) {
    tintineables_page_report_error(message.c_str());
}

void WebGameHost::End(int status) { tintineables_page_end(status); }

} // namespace tintineables
