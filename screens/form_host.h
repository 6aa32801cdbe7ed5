#pragma once
#include "screens/screen.h"
#include "sound/sound_player.h"

#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace tintineables {

class Form;

// What the program needs of its forms host: one default instance per form, Show and Unload,
// the end of the program when no form is left, and the report of a run-time error.
class FormHost {
public:
    struct Hooks {
        std::function<std::unique_ptr<SoundPlayer>()> makePlayer;
        // Shows a run-time error to the player (the host has printed it on stderr already).
        std::function<void(const std::string&)> reportError;
        // The program ends with this status: 0 when the last form is unloaded, 1 on an error.
        std::function<void(int)> end;
    };

    explicit FormHost(Hooks hooks);
    ~FormHost();
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    // The form's single default instance, created on first use. Creating it does not load it.
    Form& Instance(Screen screen);
    // Loads the form if it is not loaded, then shows it and makes it the active window.
    void Show(Screen screen);
    // Destroys the form's window, controls and sound player. With no form left, the end.
    void Unload(Screen screen);

    int LoadedCount() const;
    bool Ended() const { return ended_; }

    // Runs an event procedure. A run-time error in it is reported and ends the program; after
    // the end no procedure runs at all.
    template <class Procedure> void Guard(Procedure&& procedure) noexcept {
        if (ended_) {
            return;
        }
        try {
            procedure();
        } catch (const std::exception& error) {
            Fail(std::string("Run-time error: ") + error.what());
        } catch (...) {
            Fail("Run-time error: an unknown failure");
        }
    }

    std::unique_ptr<SoundPlayer> MakePlayer() { return hooks_.makePlayer(); }

private:
    void Fail(const std::string& message);

    Hooks hooks_;
    std::array<std::unique_ptr<Form>, ScreenCount> instances_;
    bool ended_ = false;
};

} // namespace tintineables
