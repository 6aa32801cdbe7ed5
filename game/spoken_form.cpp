#include "game/spoken_form.h"

#include "game/game.h"
#include "game/spoken_captions.h"
#include "game/touch.h"
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

// A key as its cap shows it.
std::string KeyLabel(KeyCode key, GameHost& host) {
    switch (key) {
    case Key::F1:
        return "F1";
    case Key::F2:
        return "F2";
    case Key::F3:
        return "F3";
    case Key::F4:
        return "F4";
    case Key::F8:
        return "F8";
    case Key::Minus:
        return "-";
    case Key::Equals:
        return "=";
    case Key::Escape:
        return host.Translate(TINTINEABLES_TEXT("tintineables", "Esc"));
    case Key::Curtain:
        return host.Translate(TINTINEABLES_TEXT("tintineables", "º"));
    default:
        return std::string(1, static_cast<char>(key)); // a digit
    }
}

} // namespace

std::vector<std::string_view> FirstScreenRecordings(bool touch) {
    return {touch ? TouchFileOf(Screen::Menu) : FileNameOf(CueOf(Screen::Menu))};
}

SpokenForm::SpokenForm(Game& game, Screen screen) : Form(game, screen) {}

std::string_view SpokenForm::Recording() const {
    return TheGame().Touch() ? TouchFileOf(WhichScreen()) : FileNameOf(CueOf(WhichScreen()));
}

void SpokenForm::Form_Load() {
    saying_ = 0;
    if (TheGame().Touch()) {
        const std::string_view file = TouchFileOf(WhichScreen());
        PlayJoined(MMControl1(), {&file, 1});
        return;
    }
    PlayCue(MMControl1(), CueOf(WhichScreen()));
}

void SpokenForm::Form_KeyDown(KeyCode keyCode, std::int16_t /*shift*/) { FollowFlow(keyCode); }

FormLook SpokenForm::Look() const {
    GameHost& host = TheGame().Host();
    FormLook look;
    look.screen = WhichScreen();
    for (const TouchChoice& choice : TouchChoices(WhichScreen(), false)) {
        look.choices.push_back(
            {choice.key, KeyLabel(choice.key, host), host.Translate(choice.name)});
    }
    look.choices.insert(look.choices.end() - 1,
                        {Key::Curtain, KeyLabel(Key::Curtain, host),
                         host.Translate(TINTINEABLES_TEXT("tintineables", "Apagar la pantalla"))});
    look.captioned = TheGame().Captions();
    const std::span<const TimedSentence> sentences =
        SentencesOf(host.SpokenLanguage(), Recording());
    if (look.captioned && saying_ < sentences.size()) {
        look.caption = sentences[saying_].text;
        if (saying_ + 1 < sentences.size()) {
            look.nextCaption = sentences[saying_ + 1].text;
        }
    }
    return look;
}

void SpokenForm::TimePassed() {
    // While anything else sounds (an answer to a sound key), or nothing does, the sentence
    // last said stays, for a slower reader; F8 goes on from it.
    const std::optional<PlayerPosition> heard = MMControl1().Position();
    if (heard && heard->fileName == Recording()) {
        saying_ =
            SentenceAt(SentencesOf(TheGame().Host().SpokenLanguage(), Recording()), heard->seconds);
    }
}

void SpokenForm::Repeat() { Resume(MMControl1(), Recording()); }

} // namespace tintineables
