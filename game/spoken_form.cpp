#include "game/spoken_form.h"

#include "game/game.h"
#include "sound/play_cue.h"
#include "sound/spoken_words.h"

namespace tintineables {

namespace {

// The game builds this form for the menu, the tutorial and the credits only.
SoundCue CueOf(Screen screen) {
    return screen == Screen::Menu       ? SoundCue::Presentation
           : screen == Screen::Tutorial ? SoundCue::Tutorial
                                        : SoundCue::Credits;
}

// The same screen for a player who started the game by touch: it names gestures, not keys.
std::string_view TouchFileOf(Screen screen) {
    return screen == Screen::Menu       ? TouchPresentationFile
           : screen == Screen::Tutorial ? TouchTutorialFile
                                        : TouchCreditsFile;
}

} // namespace

std::vector<std::string_view> FirstScreenRecordings(bool touch) {
    return {touch ? TouchFileOf(Screen::Menu) : FileNameOf(CueOf(Screen::Menu))};
}

SpokenForm::SpokenForm(Game& game, Screen screen) : Form(game, screen) {}

void SpokenForm::Form_Load() {
    if (TheGame().Touch()) {
        const std::string_view file = TouchFileOf(WhichScreen());
        PlayJoined(MMControl1(), {&file, 1});
        return;
    }
    PlayCue(MMControl1(), CueOf(WhichScreen()));
}

void SpokenForm::Form_KeyDown(KeyCode keyCode, std::int16_t /*shift*/) { FollowFlow(keyCode); }

} // namespace tintineables
