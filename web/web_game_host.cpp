#include "web/web_game_host.h"

#include "web/page_calls.h"
#include "web/web_sound_player.h"

#include <cstdlib>

namespace tintineables {

WebGameHost::WebGameHost() : game_(std::make_unique<Game>(*this)) {}

WebGameHost::~WebGameHost() { game_.reset(); }

void WebGameHost::Start() {
    // The game before ended itself (Escape on the menu) or was never started.
    game_.reset();
    game_ = std::make_unique<Game>(*this);
    game_->Start();
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

void WebGameHost::SetFocus(Screen screen, ControlId control) {
    tintineables_page_set_focus(static_cast<int>(screen), control);
}

std::unique_ptr<SoundPlayer> WebGameHost::MakePlayer(Screen /*screen*/) {
    return std::make_unique<WebSoundPlayer>();
}

// A look-up in the table takes microseconds: the page has no thread to spare and needs none.
void WebGameHost::AskSolver(const SolverQuestion& question) {
    game_->Answered(AnswerQuestion(question));
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
