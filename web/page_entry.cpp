// What the page (page.js) calls in the game: the language to speak, the recordings to load,
// the table of winnable positions, then the start and, from then on, the player's keys, the
// focus's arrivals and the buttons pressed. Everything the game decides is decided in game/.
#include "board/hole_table.h"
#include "board/winnable_table.h"
#include "sound/language.h"
#include "sound/recording_files.h"
#include "web/web_game_host.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <sstream>
#include <string>
#include <vector>

using namespace tintineables;

namespace {

WebGameHost& Host() {
    static WebGameHost host;
    return host;
}

std::vector<unsigned char>& TableBytes() {
    static std::vector<unsigned char> bytes;
    return bytes;
}

// The text handed to the page lives until the next call that hands one.
const char* Handed(std::string text) {
    static std::string handed;
    handed = std::move(text);
    return handed.c_str();
}

Screen ScreenOf(int screen) { return static_cast<Screen>(screen); }

// The spoken screens that name keys, which a game started by touch plays in their touch versions.
constexpr std::array<SoundCue, 3> KeyScreens = {SoundCue::Presentation, SoundCue::Tutorial,
                                                SoundCue::Credits};

} // namespace

namespace tintineables {

std::span<const unsigned char> WinnableTableBytes() { return TableBytes(); }

} // namespace tintineables

extern "C" {

// The language of a browser that asks for these, in its order, one a line (navigator.languages):
// its code ("es", "en", "pt", "fr"), as the desktop chooses.
EMSCRIPTEN_KEEPALIVE const char* tintineables_choose_language(const char* asked) {
    std::vector<std::string> languages;
    std::istringstream lines(asked);
    for (std::string line; std::getline(lines, line);) {
        languages.push_back(line);
    }
    const Language chosen = ChooseLanguage(languages);
    Host().SetSpokenLanguage(chosen); // the page plays its recordings from now on
    return Handed(std::string(InfoOf(chosen).code));
}

// The folder of a language's spoken recordings, under the recordings' folder ("" for Spanish).
EMSCRIPTEN_KEEPALIVE const char* tintineables_language_folder(const char* code) {
    for (const LanguageInfo& info : Languages) {
        if (info.code == code) {
            return Handed(std::string(info.folder));
        }
    }
    return Handed("");
}

// Every recording the game plays, the touch screens' too, one a line: its file name, "spoken"
// or "earcon", then what else the page must know of it: "felt" for a cue a phone also gives as a
// vibration, "touch" for one that only a game started by touch plays, "keys" for one that only a
// game started by a key plays (the spoken screens naming keys).
EMSCRIPTEN_KEEPALIVE const char* tintineables_recordings(void) {
    const auto isOneOf = [](std::string_view name, std::span<const SoundCue> cues) {
        return std::any_of(cues.begin(), cues.end(),
                           [&](SoundCue cue) { return FileNameOf(cue) == name; });
    };
    const std::vector<RecordingFile> keysAndTouch = RecordingFiles(true);
    const std::size_t everyHost = RecordingFiles().size();
    std::string list;
    for (std::size_t i = 0; i < keysAndTouch.size(); ++i) {
        const RecordingFile& file = keysAndTouch[i];
        list += std::string(file.fileName) + (file.spoken ? " spoken" : " earcon");
        if (isOneOf(file.fileName, FeltCues)) {
            list += " felt";
        }
        if (i >= everyHost) {
            list += " touch";
        } else if (isOneOf(file.fileName, KeyScreens)) {
            list += " keys";
        }
        list += '\n';
    }
    return Handed(list);
}

// The recording the game's first screen plays as it opens, started by a touch or by a key: the
// page has it in before it is ready, and the rest behind it.
EMSCRIPTEN_KEEPALIVE const char* tintineables_first_screen(int touch) {
    return Handed(std::string(FirstScreenRecordings(touch != 0).front()));
}

// Room for the table of winnable positions, which the page then fills.
EMSCRIPTEN_KEEPALIVE unsigned char* tintineables_table_room(int bytes) {
    TableBytes().assign(static_cast<std::size_t>(bytes), 0);
    return TableBytes().data();
}

// The player's own sound as the page kept it from a visit before (SoundSettings' fields), for
// every game of this visit, until the keys change it; a value off the scale is brought onto it.
EMSCRIPTEN_KEEPALIVE void tintineables_set_sound(int rate, int speechDb, int cueDb,
                                                 int stereoArrivals) {
    const int rates = static_cast<int>(SpeechRates.size()) - 1;
    const auto level = [](int db) {
        return std::clamp(db / VolumeStepDb * VolumeStepDb, QuietestDb, 0);
    };
    Host().ApplySoundSettings(
        {std::clamp(rate, 0, rates), level(speechDb), level(cueDb), stereoArrivals != 0});
}

// The game starts; `touch`: by a touch, so that its screens name gestures and its holes are
// named for touch exploration.
EMSCRIPTEN_KEEPALIVE void tintineables_start(int touch) { Host().Start(touch != 0); }

// The page's clock, some ten times a second: the spoken screens' captions follow their sound.
EMSCRIPTEN_KEEPALIVE void tintineables_tick() { Host().TheGame().Tick(); }

// A key went down on a form's window; what the page then does with it: 0 nothing more (the
// game's), 1 let the browser press the focused button, 2 let the browser have it.
EMSCRIPTEN_KEEPALIVE int tintineables_key_down(int screen, int keyCode, int shift, int control) {
    switch (Host().TheGame().KeyDown(ScreenOf(screen), static_cast<KeyCode>(keyCode),
                                     static_cast<std::int16_t>(shift), control)) {
    case KeyUse::Taken:
        return 0;
    case KeyUse::ForTheControl:
        return 1;
    case KeyUse::NotTheGames:
        break;
    }
    return 2;
}

EMSCRIPTEN_KEEPALIVE void tintineables_got_focus(int screen, int control) {
    Host().TheGame().GotFocus(ScreenOf(screen), control);
}

EMSCRIPTEN_KEEPALIVE void tintineables_click(int screen, int control) {
    Host().TheGame().Click(ScreenOf(screen), control);
}

// A gesture the page read (TouchGesture's fields, kind and way as numbers); 1 when it stood for
// a key there, after which the page counts taps afresh.
EMSCRIPTEN_KEEPALIVE int tintineables_gesture(int screen, int kind, int fingers, int taps, int way,
                                              int band, int focused) {
    return Host().TheGame().Gesture(ScreenOf(screen),
                                    {static_cast<TouchGesture::Kind>(kind), fingers, taps,
                                     static_cast<TouchGesture::Way>(way), band},
                                    focused)
               ? 1
               : 0;
}

// A phone's screen reader activated a control (its double tap).
EMSCRIPTEN_KEEPALIVE void tintineables_mouse_down(int screen, int control, int right, int focused) {
    Host().TheGame().MouseDown(ScreenOf(screen), control, right != 0, focused);
}

EMSCRIPTEN_KEEPALIVE void tintineables_activate(int screen, int control, int focused) {
    Host().TheGame().Activate(ScreenOf(screen), control, focused);
}

// A screen's choices as buttons, one a line: the key, the band, then the name in the game's
// language.
EMSCRIPTEN_KEEPALIVE const char* tintineables_choices(int screen) {
    std::string list;
    for (const TouchChoice& choice :
         TouchChoices(ScreenOf(screen), Host().TheGame().BoardPuzzle() != 0)) {
        list += std::to_string(choice.key) + ' ' + std::to_string(choice.band) + ' ' +
                Host().Translate(choice.name) + '\n';
    }
    return Handed(list);
}

// The game's colours, for the page's style: "#rrggbb" each, space between, in the order of
// Palette's fields (board, peg, hole, lifted, cursor, mark, text, key).
EMSCRIPTEN_KEEPALIVE const char* tintineables_palette(void) {
    std::string list;
    const Palette& p = HighContrastPalette;
    for (Rgb colour : {p.board, p.peg, p.hole, p.lifted, p.cursor, p.mark, p.text, p.key}) {
        char hex[9];
        std::snprintf(hex, sizeof hex, "#%02x%02x%02x ", colour.r, colour.g, colour.b);
        list += hex;
    }
    return Handed(list);
}

// Where a board control stands in the cross, for a touch screen's layout: column + 10 * row,
// rows counted from the top as a screen draws them; 0 for a control that is no hole.
EMSCRIPTEN_KEEPALIVE int tintineables_hole_place(int control) {
    const int hole = HoleOfControl(control);
    if (hole == NoHole) {
        return 0;
    }
    const Hole& place = HoleByNumber(hole);
    return place.x + 10 * (8 - place.y);
}

// The page's worker answered a question the game asked (tintineables_page_ask_solver).
EMSCRIPTEN_KEEPALIVE void tintineables_solver_answered(unsigned id, int packed) {
    Host().Searched(id, packed);
}
}
