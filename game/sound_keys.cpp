// The keys that fit the game to the player, on every screen: the speech's pace and loudness, the
// earcons' loudness, F8 to hear an answer again, and the screen dark or shown.
#include "game/design_data.h"
#include "game/form.h"
#include "game/game.h"
#include "sound/play_cue.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace tintineables {

namespace {

// The words the text mode shows for each, in the game's language.
constexpr const char* RateNormal = TINTINEABLES_TEXT("tintineables", "velocidad normal");
constexpr const char* RatePercent = TINTINEABLES_TEXT("tintineables", "velocidad %1 %");
constexpr const char* SpeechLevel = TINTINEABLES_TEXT("tintineables", "volumen de la voz: %1 dB");
constexpr const char* CueLevel = TINTINEABLES_TEXT("tintineables", "volumen de los sonidos: %1 dB");
constexpr const char* AtMost = TINTINEABLES_TEXT("tintineables", "error: ya está al máximo");
constexpr const char* AtLeast = TINTINEABLES_TEXT("tintineables", "error: ya está al mínimo");
constexpr const char* Dark = TINTINEABLES_TEXT("tintineables", "pantalla apagada");
constexpr const char* Shown = TINTINEABLES_TEXT("tintineables", "pantalla encendida");

std::string Filled(std::string text, const std::string& value) {
    if (const auto at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, value);
    }
    return text;
}

} // namespace

void Form::SoundKey(KeyCode keyCode) {
    Game& game = TheGame();
    GameHost& host = game.Host();
    if (keyCode == Key::F8) {
        Repeat();
        return;
    }
    if (keyCode == Key::Curtain) {
        // Said, in case the player pressed it by chance: nothing else would tell.
        const bool dark = !game.Curtain();
        game.SetCurtain(dark);
        Answer({dark ? SpokenWord::ScreenDark : SpokenWord::ScreenShown},
               host.Translate(dark ? Dark : Shown));
        return;
    }
    SoundSettings settings = game.Sound();
    const bool up = keyCode == Key::Digit8 || keyCode == Key::Digit0 || keyCode == Key::Equals;
    int& setting = keyCode == Key::Digit7 || keyCode == Key::Digit8   ? settings.rate
                   : keyCode == Key::Digit9 || keyCode == Key::Digit0 ? settings.speechDb
                                                                      : settings.cueDb;
    const bool isRate = &setting == &settings.rate;
    const int step = isRate ? 1 : VolumeStepDb;
    const int lowest = isRate ? 0 : QuietestDb;
    const int highest = isRate ? static_cast<int>(SpeechRates.size()) - 1 : 0;
    const int wanted = std::clamp(setting + (up ? step : -step), lowest, highest);
    if (wanted == setting) {
        Answer(SoundCue::Error, host.Translate(up ? AtMost : AtLeast));
        return;
    }
    setting = wanted;
    game.SetSoundSettings(settings);
    if (isRate) {
        // The pace in words, at that pace.
        const int percent = static_cast<int>(SpeechRates[static_cast<std::size_t>(wanted)] * 100);
        Answer({RateWord(wanted)},
               wanted == 0 ? host.Translate(RateNormal)
                           : Filled(host.Translate(RatePercent), std::to_string(percent)));
    } else if (&setting == &settings.speechDb) {
        // Words, at the speech's new loudness.
        Answer({up ? SpokenWord::Louder : SpokenWord::Quieter},
               Filled(host.Translate(SpeechLevel), std::to_string(wanted)));
    } else {
        // An earcon, at the earcons' new loudness.
        Answer(SoundCue::Ball, Filled(host.Translate(CueLevel), std::to_string(wanted)));
    }
}

void Form::Answer(SoundCue cue, const std::string& /*text*/) { PlayCue(MMControl1(), cue); }

void Form::Answer(const std::vector<SpokenWord>& words, const std::string& /*text*/) {
    std::vector<std::string_view> files;
    for (SpokenWord word : words) {
        files.push_back(FileNameOf(word));
    }
    PlayJoined(MMControl1(), files);
}

} // namespace tintineables
