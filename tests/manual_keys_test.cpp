// The player's manual against the game: every key the game answers on a screen is named in that
// screen's table of keys in the manual of every language, and every key those tables name is one
// the game answers there, so that the manuals cannot drift from the game. The game is asked by
// pressing each key code on a fresh game; the keys' names are written out here, as each language's
// keyboards print them.
#include "tests/game_harness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tintineables::testing {
namespace {

enum class Where { Menu, Tutorial, Credits, Board, Puzzles };
constexpr Where Everywhere[] = {Where::Menu, Where::Tutorial, Where::Credits, Where::Board,
                                Where::Puzzles};
const std::map<std::string, std::vector<Where>> TableOf = {
    {"menu", {Where::Menu}},       {"tutorial", {Where::Tutorial}},
    {"credits", {Where::Credits}}, {"board", {Where::Board, Where::Puzzles}},
    {"puzzles", {Where::Puzzles}}, {"every", {std::begin(Everywhere), std::end(Everywhere)}},
};

std::string NameOf(Where where) {
    const char* names[] = {"the menu", "the tutorial", "the credits", "the board", "the puzzles"};
    return names[static_cast<int>(where)];
}

// Whether a fresh game on that screen answers the key: with a sound, another screen, a move of
// the focus, words for the screen reader, a change of what is shown or of a sound setting, or
// its end.
bool Answers(Where where, KeyCode key) {
    TestHost h;
    h.Start();
    const KeyCode way[] = {0, Key::F1, Key::F3, Key::F2, Key::F4};
    if (where != Where::Menu) {
        h.Press(way[static_cast<int>(where)]);
    }
    h.TakePlayedFiles();
    h.TakeTold();
    const auto screen = h.LoadedScreen();
    const ControlId focused = h.Focused();
    const int looks = h.looksShown;
    const std::size_t applied = h.applied.size();
    h.Press(key);
    return !h.TakePlayedFiles().empty() || h.LoadedScreen() != screen || h.Focused() != focused ||
           !h.TakeTold().empty() || h.looksShown != looks || h.applied.size() != applied ||
           h.endStatus != -1;
}

// The names a manual may give each key, language by language.
struct KeyName {
    KeyCode key;
    const char* language;
    const char* name;
};
std::vector<KeyName> KeyNames() {
    std::vector<KeyName> names;
    const auto everywhere = [&](KeyCode key, const char* name) {
        for (const char* language : {"es", "en", "pt", "fr"}) {
            names.push_back({key, language, name});
        }
    };
    const auto each = [&](KeyCode key, const char* es, const char* en, const char* pt,
                          const char* fr) {
        names.insert(names.end(),
                     {{key, "es", es}, {key, "en", en}, {key, "pt", pt}, {key, "fr", fr}});
    };
    for (KeyCode arrow : {Key::Left, Key::Up, Key::Right, Key::Down}) {
        each(arrow, "Flechas", "Arrows", "Setas", "Flèches");
    }
    each(Key::Space, "Espacio", "Space", "Espaço", "Espace");
    each(Key::Control, "Control", "Ctrl", "Ctrl", "Ctrl");
    each(Key::Tab, "Tabulador", "Tab", "Tab", "Tab");
    each(Key::Tab, "Mayúsculas+Tabulador", "Shift+Tab", "Shift+Tab", "Maj+Tab");
    each(Key::S, "Mayúsculas+S", "Shift+S", "Shift+S", "Maj+S");
    each(Key::Escape, "Escape", "Escape", "Esc", "Échap");
    each(Key::Backspace, "Retroceso", "Backspace", "Backspace", "Retour arrière");
    each(Key::PageDown, "Avance de página", "Page Down", "Page Down", "Page suivante");
    each(Key::PageUp, "Retroceso de página", "Page Up", "Page Up", "Page précédente");
    for (const auto& [key, name] : std::map<KeyCode, const char*>{
             {Key::F1, "F1"},    {Key::F2, "F2"},    {Key::F3, "F3"},    {Key::F4, "F4"},
             {Key::F8, "F8"},    {Key::A, "A"},      {Key::B, "B"},      {Key::G, "G"},
             {Key::P, "P"},      {Key::T, "T"},      {Key::F, "F"},      {Key::C, "C"},
             {Key::V, "V"},      {Key::S, "S"},      {Key::E, "E"},      {Key::L, "L"},
             {Key::Digit7, "7"}, {Key::Digit8, "8"}, {Key::Digit9, "9"}, {Key::Digit0, "0"}}) {
        everywhere(key, name);
    }
    for (KeyCode key : {Key::Minus, Key::Equals}) {
        each(key, "las dos teclas tras el 0", "the two keys after 0", "as duas teclas depois do 0",
             "les deux touches après le 0");
    }
    each(Key::Curtain, "la tecla a la izquierda del 1", "the key left of 1",
         "a tecla à esquerda do 1", "la touche à gauche du 1");
    return names;
}

// The keys a manual's tables name, by the table's screens: each table follows a line
// "<!-- keys: SCREEN... -->", and its first column holds the keys, separated by commas.
struct Named {
    std::string token;
    std::string table;
};
std::map<Where, std::vector<Named>> TablesOf(const std::string& language) {
    std::ifstream file(std::string(TINTINEABLES_MANUAL_SOURCES) + "/" + language + ".md");
    EXPECT_TRUE(file) << "no manual " << language << ".md";
    std::map<Where, std::vector<Named>> named;
    std::vector<std::string> tables;
    int row = 0;
    for (std::string line; std::getline(file, line);) {
        const std::string marker = "<!-- keys:";
        if (line.rfind(marker, 0) == 0) {
            std::istringstream words(line.substr(marker.size()));
            tables.clear();
            for (std::string word; words >> word && word != "-->";) {
                EXPECT_TRUE(TableOf.count(word)) << language << ".md: no screen \"" << word << '"';
                tables.push_back(word);
            }
            row = 0;
        } else if (!tables.empty() && line.rfind('|', 0) == 0) {
            if (row++ < 2) {
                continue; // the header and its rule
            }
            std::string keys = line.substr(1, line.find('|', 1) - 1);
            std::istringstream tokens(keys);
            for (std::string token; std::getline(tokens, token, ',');) {
                token.erase(0, token.find_first_not_of(' '));
                token.erase(token.find_last_not_of(' ') + 1);
                for (const std::string& table : tables) {
                    for (Where where : TableOf.at(table)) {
                        named[where].push_back({token, table});
                    }
                }
            }
        } else {
            tables.clear();
        }
    }
    return named;
}

class ManualKeys : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() {
        for (Where where : Everywhere) {
            for (int code = 1; code < 255; ++code) {
                if (Answers(where, static_cast<KeyCode>(code))) {
                    answered_[where].insert(static_cast<KeyCode>(code));
                }
            }
        }
    }
    static std::map<Where, std::set<KeyCode>> answered_;
};
std::map<Where, std::set<KeyCode>> ManualKeys::answered_;

TEST_P(ManualKeys, NameEveryKeyTheGameAnswersAndNoOther) {
    const std::string language = GetParam();
    const std::vector<KeyName> names = KeyNames();
    const auto tables = TablesOf(language);
    for (Where where : Everywhere) {
        const auto& answered = answered_[where];
        ASSERT_FALSE(answered.empty()) << "the game answers no key on " << NameOf(where);
        std::set<KeyCode> inManual;
        const auto found = tables.find(where);
        for (const Named& named : found == tables.end() ? std::vector<Named>{} : found->second) {
            std::set<KeyCode> keys;
            for (const KeyName& name : names) {
                if (name.language == language && named.token == name.name) {
                    keys.insert(name.key);
                }
            }
            EXPECT_FALSE(keys.empty()) << language << ".md names a key it has no name for: \""
                                       << named.token << "\" (" << named.table << ")";
            bool answeredHere = false;
            for (KeyCode key : keys) {
                answeredHere = answeredHere || answered.count(key) > 0;
                inManual.insert(key);
            }
            EXPECT_TRUE(keys.empty() || answeredHere)
                << language << ".md: \"" << named.token << "\" (" << named.table
                << ") does nothing on " << NameOf(where);
        }
        for (KeyCode key : answered) {
            EXPECT_TRUE(inManual.count(key))
                << language << ".md does not name key code " << key << " on " << NameOf(where);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, ManualKeys, ::testing::Values("es", "en", "pt", "fr"),
                         [](const auto& language) { return std::string(language.param); });

} // namespace
} // namespace tintineables::testing
