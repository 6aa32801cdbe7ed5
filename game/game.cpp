#include "game/game.h"

#include "game/board_form.h"
#include "game/form.h"
#include "game/game_keys.h"
#include "game/spoken_form.h"
#include "sound/run_time_error.h"

namespace tintineables {

namespace {

constexpr std::int16_t ShiftBit = 1;
constexpr std::int16_t CtrlBit = 2;
constexpr std::int16_t AltBit = 4;

} // namespace

Game::Game(GameHost& host) : host_(host) {}

Game::~Game() {
    ended_ = true;
    for (auto& instance : instances_) {
        if (instance && instance->Loaded()) {
            instance->Unload();
        }
    }
}

void Game::Start() {
    Guard([this] { Show(Screen::Menu); });
}

KeyUse Game::KeyDown(Screen screen, KeyCode keyCode, std::int16_t shift, ControlId focused) {
    Form* form = LoadedForm(screen);
    if (form == nullptr || ended_) {
        return KeyUse::Taken; // a window on its way out hears nothing
    }
    if (keyCode == Key::F4 && (shift & AltBit) != 0) {
        return KeyUse::NotTheGames; // Alt+F4 closes the window, as everywhere: not the puzzles
    }
    if (keyCode == JumpCountKey) {
        keyCode = Key::S;
        shift = static_cast<std::int16_t>(shift | ShiftBit);
    }
    repeats_ = keyCode == Key::F8 ? repeats_ + 1 : 0;
    // Each key the game takes first lets the form cut what it asks any key to cut (a sweep), in
    // the same procedure as the key itself.
    if (IsSoundKey(keyCode)) {
        if ((shift & (CtrlBit | AltBit)) != 0) {
            return KeyUse::NotTheGames; // a browser's zoom, Ctrl with minus or plus
        }
        Guard([&] {
            form->KeyArrives();
            form->SoundKey(keyCode);
        });
        return KeyUse::Taken;
    }
    const KeyUse use = IsGameKey(keyCode) ? KeyUse::Taken : KeyUse::NotTheGames;
    if (keyCode == Key::Tab) {
        // Tab and Shift+Tab move the focus in TabIndex order and raise no KeyDown.
        Guard([&] {
            form->KeyArrives();
            const ControlId next = form->NextInTabOrder(focused, (shift & ShiftBit) != 0);
            if (next != NoControl) {
                host_.SetFocus(screen, next);
            }
        });
        return use;
    }
    Guard([&] {
        form->KeyArrives();
        form->KeyPressed(focused, keyCode, shift);
    });
    // Space on a focused button presses it, as the platform does with its buttons.
    if (keyCode == Key::Space && focused != NoControl && !ended_ && form->Loaded() &&
        form->IsButton(focused)) {
        return KeyUse::ForTheControl;
    }
    return use;
}

void Game::SetSoundSettings(const SoundSettings& settings) {
    sound_ = settings;
    host_.ApplySoundSettings(settings);
}

void Game::GotFocus(Screen screen, ControlId control) {
    if (Form* form = LoadedForm(screen)) {
        Guard([&] { form->ControlFocused(control); });
    }
}

void Game::Click(Screen screen, ControlId control) {
    if (Form* form = LoadedForm(screen)) {
        Guard([&] { form->ControlClicked(control); });
    }
}

bool Game::Gesture(Screen screen, const TouchGesture& gesture, ControlId focused) {
    const std::optional<KeyCode> key = KeyOfGesture(screen, gesture);
    if (!key || LoadedForm(screen) == nullptr) {
        return false;
    }
    KeyCode pressed = *key;
    if (pressed == ActivateKey) {
        pressed = BoardState().Holding != 0 ? Key::Control : Key::Space;
    }
    if (KeyDown(screen, pressed, 0, focused) == KeyUse::ForTheControl) {
        Click(screen, focused);
    }
    return true;
}

void Game::Activate(Screen screen, ControlId control, ControlId focused) {
    if (HoleOfControl(control) == NoHole || screen != Screen::Board) {
        Click(screen, control);
        return;
    }
    if (control != focused) {
        Guard([&] { host_.SetFocus(screen, control); });
    }
    Gesture(screen, {TouchGesture::Kind::Tap, 1, 2, TouchGesture::Way::None, 0}, control);
}

void Game::MouseDown(Screen screen, ControlId control, bool rightButton, ControlId focused) {
    Form* form = LoadedForm(screen);
    if (form == nullptr || screen != Screen::Board) {
        return;
    }
    if (rightButton) {
        KeyDown(screen, Key::Backspace, 0, focused);
    } else if (HoleOfControl(control) == NoHole) {
        return; // Command9 is a button: the platform presses it
    } else if (control != focused) {
        Guard([&] {
            form->KeyArrives();
            host_.SetFocus(screen, control);
        });
    } else {
        KeyDown(screen, BoardState().Holding != 0 ? Key::Control : Key::Space, 0, focused);
    }
}

void Game::Close(Screen screen) {
    Guard([&] { Unload(screen); });
}

void Game::Answered(const SolverAnswer& answer) {
    if (Form* form = LoadedForm(Screen::Board)) {
        Guard([&] { static_cast<BoardForm*>(form)->Answered(answer); });
    }
}

Form& Game::Instance(Screen screen) {
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

void Game::Show(Screen screen) {
    Form& form = Instance(screen);
    if (!form.Loaded()) {
        form.Load();
    }
    if (!form.Loaded()) {
        throw RunTimeError("Show: the form unloaded itself while loading");
    }
    host_.ShowForm(screen, form.FirstFocus());
}

void Game::Unload(Screen screen) {
    Form& form = Instance(screen);
    if (form.Loaded()) {
        form.Unload();
    }
    if (LoadedCount() == 0 && !ended_) {
        ended_ = true;
        host_.End(0);
    }
}

bool Game::Loaded(Screen screen) const { return LoadedForm(screen) != nullptr; }

int Game::LoadedCount() const {
    int count = 0;
    for (const auto& instance : instances_) {
        count += instance && instance->Loaded() ? 1 : 0;
    }
    return count;
}

const GameState& Game::BoardState() const {
    static const GameState none;
    const auto& board = instances_[static_cast<std::size_t>(Screen::Board)];
    return board ? static_cast<const BoardForm&>(*board).State() : none;
}

Form* Game::LoadedForm(Screen screen) const {
    const auto& instance = instances_[static_cast<std::size_t>(screen)];
    return instance && instance->Loaded() ? instance.get() : nullptr;
}

void Game::Tick() {
    // Only the looks can follow the clock: nothing else is worked out again ten times a second.
    if (ended_) {
        return;
    }
    try {
        for (auto& instance : instances_) {
            if (instance && instance->Loaded()) {
                instance->TimePassed();
            }
        }
        ShowLooks();
    } catch (const std::exception& error) {
        Fail(std::string("Run-time error: ") + error.what());
    }
}

void Game::AfterProcedure() {
    ShowLooks();
    if (Form* board = touch_ ? LoadedForm(Screen::Board) : nullptr) {
        static_cast<BoardForm*>(board)->NameHolesForTouch();
    }
}

void Game::ShowLooks() {
    for (Screen screen : AllScreens) {
        auto& shown = shownLooks_[static_cast<std::size_t>(screen)];
        const Form* form = LoadedForm(screen);
        if (form == nullptr) {
            shown.reset();
            continue;
        }
        FormLook look = form->Look();
        look.curtain = curtain_;
        if (shown != look) {
            shown = look;
            host_.ShowLook(look);
        }
    }
}

void Game::Fail(const std::string& message) {
    ended_ = true;
    for (auto& instance : instances_) {
        if (instance && instance->Loaded()) {
            instance->Unload();
        }
    }
    host_.ReportError(message);
    host_.End(1);
}

} // namespace tintineables
