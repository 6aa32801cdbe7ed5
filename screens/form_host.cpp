#include "screens/form_host.h"

#include "screens/board_form.h"
#include "screens/form.h"
#include "screens/spoken_form.h"
#include "sound/run_time_error.h"

#include <QWidget>

#include <cstdio>

namespace tintineables {

FormHost::FormHost(Hooks hooks) : hooks_(std::move(hooks)) {}

FormHost::~FormHost() {
    ended_ = true;
    for (auto& instance : instances_) {
        instance.reset();
    }
}

Form& FormHost::Instance(Screen screen) {
    auto& instance = instances_[static_cast<std::size_t>(screen)];
    if (!instance) {
        if (screen == Screen::Board) {
            instance = std::make_unique<BoardForm>(*this);
        } else {
            instance = std::make_unique<SpokenForm>(*this, screen);
        }
    }
    return *instance;
}

void FormHost::Show(Screen screen) {
    Form& form = Instance(screen);
    if (!form.Loaded()) {
        form.Load();
    }
    QWidget* window = form.Window();
    if (window == nullptr) {
        throw RunTimeError("Show: the form unloaded itself while loading");
    }
    if (QWidget* first = form.FirstFocus()) {
        first->setFocus(Qt::ActiveWindowFocusReason);
    }
    window->show();
    // With no window manager (a bare X server) a shown window is not activated by itself.
    window->raise();
    window->activateWindow();
}

void FormHost::Unload(Screen screen) {
    Form& form = Instance(screen);
    if (form.Loaded()) {
        form.Unload();
    }
    if (LoadedCount() == 0 && !ended_) {
        ended_ = true;
        hooks_.end(0);
    }
}

int FormHost::LoadedCount() const {
    int count = 0;
    for (const auto& instance : instances_) {
        count += instance && instance->Loaded() ? 1 : 0;
    }
    return count;
}

void FormHost::Fail(const std::string& message) {
    ended_ = true;
    std::fprintf(stderr, "tintineables: %s\n", message.c_str());
    for (auto& instance : instances_) {
        if (instance && instance->Loaded()) {
            instance->Unload();
        }
    }
    hooks_.reportError(message);
    hooks_.end(1);
}

} // namespace tintineables
