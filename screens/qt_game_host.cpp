#include "screens/qt_game_host.h"

#include <QCoreApplication>

#include <cstdio>

namespace tintineables {

QtGameHost::QtGameHost(Hooks hooks)
    : hooks_(std::move(hooks)), game_(std::make_unique<Game>(*this)) {
    // A tenth of a second: a caption a little behind its sentence's start, never a sentence
    // behind.
    clock_.setInterval(100);
    QObject::connect(&clock_, &QTimer::timeout, [this] { game_->Tick(); });
    clock_.start();
}

QtGameHost::~QtGameHost() {
    clock_.stop();
    game_.reset(); // unloads what is still loaded, while this host can still destroy windows
}

QWidget* QtGameHost::Window(Screen screen) const {
    return windows_[static_cast<std::size_t>(screen)];
}

QWidget* QtGameHost::Control(Screen screen, ControlId control) const {
    const FormWindow* window = windows_[static_cast<std::size_t>(screen)];
    return window != nullptr ? window->Control(control) : nullptr;
}

void QtGameHost::LoadForm(const FormView& view) {
    windows_[static_cast<std::size_t>(view.screen)] = new FormWindow(*game_, view);
}

void QtGameHost::ShowForm(Screen screen, ControlId focus) {
    QWidget* window = Window(screen);
    if (QWidget* first = Control(screen, focus)) {
        first->setFocus(Qt::ActiveWindowFocusReason);
    }
    window->show();
    // With no window manager (a bare X server) a shown window is not activated by itself.
    window->raise();
    window->activateWindow();
}

void QtGameHost::UnloadForm(Screen screen) {
    FormWindow* window = windows_[static_cast<std::size_t>(screen)];
    windows_[static_cast<std::size_t>(screen)] = nullptr;
    if (window != nullptr) {
        window->Detach();
        window->hide();
        window->deleteLater(); // we may be inside one of its own event handlers
    }
}

void QtGameHost::ShowLook(const FormLook& look) {
    if (FormWindow* window = windows_[static_cast<std::size_t>(look.screen)]) {
        window->ShowLook(look);
    }
}

void QtGameHost::SetFocus(Screen screen, ControlId control) {
    if (QWidget* widget = Control(screen, control)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

std::unique_ptr<SoundPlayer> QtGameHost::MakePlayer(Screen /*screen*/) {
    return hooks_.makePlayer();
}

void QtGameHost::ApplySoundSettings(const SoundSettings& settings) {
    if (hooks_.applySoundSettings) {
        hooks_.applySoundSettings(settings);
    }
}

void QtGameHost::AskSolver(const SolverQuestion& question) {
    if (!solver_) {
        solver_ = std::make_unique<SolverWorker>([this](const SolverAnswer& answer) {
            QMetaObject::invokeMethod(
                &answerReceiver_, [this, answer] { game_->Answered(answer); },
                Qt::QueuedConnection);
        });
    }
    solver_->Ask(question);
}

void QtGameHost::ForgetSolverQuestion() {
    if (solver_) {
        solver_->Forget();
    }
}

void QtGameHost::Tell(Screen screen, ControlId control, const std::string& text, bool now) {
    if (FormWindow* window = windows_[static_cast<std::size_t>(screen)]) {
        window->Tell(control, QString::fromStdString(text), now);
    }
}

std::string QtGameHost::Translate(const char* text) {
    return QCoreApplication::translate(TranslationContext, text).toStdString();
}

void QtGameHost::ReportError(const std::string& message) {
    std::fprintf(stderr, "tintineables: %s\n", message.c_str());
    hooks_.reportError(message);
}

void QtGameHost::End(int status) { hooks_.end(status); }

} // namespace tintineables
