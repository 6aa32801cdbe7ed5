#include "game/spoken_form.h"

#include "sound/play_cue.h"

namespace tintineables {

namespace {

// The game builds this form for the menu, the tutorial and the credits only.
SoundCue CueOf(Screen screen) {
    return screen == Screen::Menu       ? SoundCue::Presentation
           : screen == Screen::Tutorial ? SoundCue::Tutorial
                                        : SoundCue::Credits;
}

} // namespace

SpokenForm::SpokenForm(Game& game, Screen screen) : Form(game, screen) {}

void SpokenForm::Form_Load() { PlayCue(MMControl1(), CueOf(WhichScreen())); }

void SpokenForm::Form_KeyDown(KeyCode keyCode, std::int16_t /*shift*/) { FollowFlow(keyCode); }

} // namespace tintineables
