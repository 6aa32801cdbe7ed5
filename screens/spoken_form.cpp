#include "screens/spoken_form.h"

#include "sound/play_cue.h"

namespace tintineables {

namespace {

SoundCue CueOf(Screen screen) {
    switch (screen) {
    case Screen::Menu:
        return SoundCue::Presentation;
    case Screen::Tutorial:
        return SoundCue::Tutorial;
    case Screen::Credits:
        return SoundCue::Credits;
    case Screen::Board:
        break;
    }
    return SoundCue::Error; // not reached: the board is a form of its own
}

} // namespace

SpokenForm::SpokenForm(FormHost& host, Screen screen) : Form(host, screen) {}

void SpokenForm::Form_Load() { PlayCue(MMControl1(), CueOf(WhichScreen())); }

void SpokenForm::Form_KeyDown(KeyCode keyCode, std::int16_t /*shift*/) { FollowFlow(keyCode); }

} // namespace tintineables
