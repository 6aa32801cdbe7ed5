#pragma once
#include "board/key_codes.h"
#include "screens/screen.h"
#include "sound/sound_player.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <memory>

namespace tintineables {

class FormHost;

// One screen: the default instance of a form. While loaded it owns a top-level window with
// its controls and its hidden MMControl1, which holds the form's sound player. Unloading
// destroys all of them; the instance itself lives on, ready to be loaded afresh.
class Form {
public:
    Form(FormHost& host, Screen screen);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Screen WhichScreen() const { return screen_; }
    bool Loaded() const { return window_ != nullptr; }
    QWidget* Window() const { return window_; }
    SoundPlayer& MMControl1();
    FormHost& Host() const { return host_; }

    // For the host: build the window and its controls, then raise Form_Load.
    void Load();
    // For the host: destroy the window, its controls and the sound player. No event reaches
    // them afterwards, not even the rest of the key being dispatched.
    void Unload();
    // The control that takes the focus when the window is shown, if any.
    virtual QWidget* FirstFocus() const { return nullptr; }

    // From the window's key preview: a key went down on the form or on one of its controls.
    void KeyPressed(QWidget* control, KeyCode keyCode, std::int16_t shift);
    // From the window: a control received the focus.
    void ControlFocused(QWidget& control);

    virtual void Form_Load() = 0;
    virtual void Form_KeyDown(KeyCode keyCode, std::int16_t shift) = 0;

protected:
    virtual void BuildControls(QWidget& window) = 0;
    virtual void ForgetControls() {}
    virtual void Control_KeyDown(QWidget& control, KeyCode keyCode, std::int16_t shift);
    virtual void Control_GotFocus(QWidget& control);
    // The screen keys shared by every form: switch, replay, end. Returns what it did not do.
    FlowStep FollowFlow(KeyCode keyCode);

private:
    FormHost& host_;
    Screen screen_;
    QPointer<QWidget> window_;
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace tintineables
