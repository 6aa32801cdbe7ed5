// What the page (page.js) calls in the game: the language to speak, the recordings to load,
// the table of winnable positions, then the start and, from then on, the player's keys, the
// focus's arrivals and the buttons pressed. Everything the game decides is decided in game/.
#include "board/winnable_table.h"
#include "sound/language.h"
#include "sound/recording_files.h"
#include "web/web_game_host.h"

#include <emscripten/emscripten.h>

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
    return Handed(std::string(InfoOf(ChooseLanguage(languages)).code));
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

// Every recording the game plays, one a line: its file name, then "spoken" or "earcon".
EMSCRIPTEN_KEEPALIVE const char* tintineables_recordings(void) {
    std::string list;
    for (const RecordingFile& file : RecordingFiles()) {
        list += std::string(file.fileName) + (file.spoken ? " spoken\n" : " earcon\n");
    }
    return Handed(list);
}

// Room for the table of winnable positions, which the page then fills.
EMSCRIPTEN_KEEPALIVE unsigned char* tintineables_table_room(int bytes) {
    TableBytes().assign(static_cast<std::size_t>(bytes), 0);
    return TableBytes().data();
}

EMSCRIPTEN_KEEPALIVE void tintineables_start(void) { Host().Start(); }

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

// The page's worker answered a question the game asked (tintineables_page_ask_solver).
EMSCRIPTEN_KEEPALIVE void tintineables_solver_answered(unsigned id, int packed) {
    Host().Searched(id, packed);
}
}
