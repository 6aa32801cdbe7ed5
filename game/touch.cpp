#include "game/touch.h"

#include "game/design_data.h"

#include <array>
#include <iterator>

namespace tintineables {

namespace {

using Kind = TouchGesture::Kind;
using Way = TouchGesture::Way;

// Where a gesture means something: on the board, or on the three spoken screens alike.
enum class Where { Board, Spoken };

struct GestureRow {
    Where where;
    Kind kind;
    int fingers;
    int taps; // of a tap; 0 for a swipe or a scrub
    Way way;  // of a swipe
    int band; // of a tap on a spoken screen; -1 anywhere
    KeyCode key;
};

// Every gesture of the game. One finger moves and plays, as with a screen reader's own
// gestures: a swipe is an arrow, a double tap picks up or drops. Two fingers ask and take back;
// three fingers say where, and turn the puzzles' pages, as a screen reader's three-finger
// gestures do. What loses a game takes a deliberate hand: a two-finger scrub (a screen reader's
// "back") for Escape, a two-finger triple tap for F2. A single tap on the board, a two-finger
// tap or double tap, a short or slanting swipe mean nothing, so a slip changes nothing. Three
// fingers down, on every screen, hear the last answer again.
constexpr std::array<GestureRow, 26> GestureTable = {{
    {Where::Board, Kind::Swipe, 1, 0, Way::Left, -1, Key::Left},
    {Where::Board, Kind::Swipe, 1, 0, Way::Up, -1, Key::Up},
    {Where::Board, Kind::Swipe, 1, 0, Way::Right, -1, Key::Right},
    {Where::Board, Kind::Swipe, 1, 0, Way::Down, -1, Key::Down},
    {Where::Board, Kind::Tap, 1, 2, Way::None, -1, ActivateKey},
    {Where::Board, Kind::Swipe, 2, 0, Way::Left, -1, Key::Backspace},
    {Where::Board, Kind::Swipe, 2, 0, Way::Up, -1, Key::B},
    {Where::Board, Kind::Swipe, 2, 0, Way::Down, -1, Key::G},
    {Where::Board, Kind::Swipe, 2, 0, Way::Right, -1, Key::A},
    {Where::Board, Kind::Tap, 3, 1, Way::None, -1, Key::P},
    {Where::Board, Kind::Tap, 2, 3, Way::None, -1, Key::F2},
    {Where::Board, Kind::Scrub, 2, 0, Way::None, -1, Key::Escape},
    {Where::Board, Kind::Swipe, 3, 0, Way::Left, -1, Key::PageDown},
    {Where::Board, Kind::Swipe, 3, 0, Way::Right, -1, Key::PageUp},
    {Where::Board, Kind::Swipe, 3, 0, Way::Down, -1, Key::F8},
    // The board at a glance: three fingers up the whole cross; four fingers right its row, up
    // its column, as the sweeps run; a four-finger tap the jumps from here, a double tap the
    // whole board's. None is a gesture of VoiceOver's or TalkBack's, whose own stay theirs
    // while they are on.
    {Where::Board, Kind::Swipe, 3, 0, Way::Up, -1, Key::V},
    {Where::Board, Kind::Swipe, 4, 0, Way::Right, -1, Key::F},
    {Where::Board, Kind::Swipe, 4, 0, Way::Up, -1, Key::C},
    {Where::Board, Kind::Tap, 4, 1, Way::None, -1, Key::S},
    {Where::Board, Kind::Tap, 4, 2, Way::None, -1, JumpCountKey},
    // The spoken screens: the screen in three bands, the top one F1, the middle F2, the bottom
    // F3.
    {Where::Spoken, Kind::Tap, 1, 1, Way::None, 0, Key::F1},
    {Where::Spoken, Kind::Tap, 1, 1, Way::None, 1, Key::F2},
    {Where::Spoken, Kind::Tap, 1, 1, Way::None, 2, Key::F3},
    {Where::Spoken, Kind::Swipe, 3, 0, Way::Left, -1, Key::F4},
    {Where::Spoken, Kind::Swipe, 3, 0, Way::Down, -1, Key::F8},
    {Where::Spoken, Kind::Scrub, 2, 0, Way::None, -1, Key::Escape},
}};

bool Matches(const GestureRow& row, Where where, const TouchGesture& gesture) {
    return row.where == where && row.kind == gesture.kind && row.fingers == gesture.fingers &&
           (row.kind != Kind::Tap || row.taps == gesture.taps) &&
           (row.kind != Kind::Swipe || row.way == gesture.way) &&
           (row.band < 0 || row.band == gesture.band);
}

} // namespace

std::optional<KeyCode> KeyOfGesture(Screen screen, const TouchGesture& gesture) {
    const Where where = screen == Screen::Board ? Where::Board : Where::Spoken;
    for (const GestureRow& row : GestureTable) {
        if (Matches(row, where, gesture)) {
            return row.key;
        }
    }
    return std::nullopt;
}

namespace {

// The player's own sound, on every screen, after the screen's own choices and before the way
// back: the repeat first, then the voice's pace and loudness and the sounds' loudness.
void AddSoundChoices(std::vector<TouchChoice>& choices) {
    const TouchChoice sound[] = {
        {Key::F8, TINTINEABLES_TEXT("tintineables", "Repetir"), -1},
        {Key::Digit7, TINTINEABLES_TEXT("tintineables", "Más despacio"), -1},
        {Key::Digit8, TINTINEABLES_TEXT("tintineables", "Más deprisa"), -1},
        {Key::Digit9, TINTINEABLES_TEXT("tintineables", "Voz más baja"), -1},
        {Key::Digit0, TINTINEABLES_TEXT("tintineables", "Voz más alta"), -1},
        {Key::Minus, TINTINEABLES_TEXT("tintineables", "Sonidos más bajos"), -1},
        {Key::Equals, TINTINEABLES_TEXT("tintineables", "Sonidos más altos"), -1},
    };
    choices.insert(choices.end() - 1, std::begin(sound), std::end(sound));
}

std::vector<TouchChoice> ScreenChoices(Screen screen, bool puzzles) {
    switch (screen) {
    case Screen::Menu:
        return {{Key::F1, TINTINEABLES_TEXT("tintineables", "Tutorial"), 0},
                {Key::F2, TINTINEABLES_TEXT("tintineables", "Jugar"), 1},
                {Key::F3, TINTINEABLES_TEXT("tintineables", "Créditos"), 2},
                {Key::F4, TINTINEABLES_TEXT("tintineables", "Retos"), -1},
                {Key::Escape, TINTINEABLES_TEXT("tintineables", "Salir"), -1}};
    case Screen::Tutorial:
        return {{Key::F1, TINTINEABLES_TEXT("tintineables", "Repetir el tutorial"), 0},
                {Key::F2, TINTINEABLES_TEXT("tintineables", "Jugar"), 1},
                {Key::F3, TINTINEABLES_TEXT("tintineables", "Créditos"), 2},
                {Key::F4, TINTINEABLES_TEXT("tintineables", "Retos"), -1},
                {Key::Escape, TINTINEABLES_TEXT("tintineables", "Volver al menú"), -1}};
    case Screen::Credits:
        return {{Key::F1, TINTINEABLES_TEXT("tintineables", "Tutorial"), 0},
                {Key::F2, TINTINEABLES_TEXT("tintineables", "Jugar"), 1},
                {Key::F3, TINTINEABLES_TEXT("tintineables", "Repetir los créditos"), 2},
                {Key::F4, TINTINEABLES_TEXT("tintineables", "Retos"), -1},
                {Key::Escape, TINTINEABLES_TEXT("tintineables", "Volver al menú"), -1}};
    case Screen::Board:
        break;
    }
    std::vector<TouchChoice> choices = {
        {Key::Backspace, TINTINEABLES_TEXT("tintineables", "Deshacer"), -1},
        {Key::B, TINTINEABLES_TEXT("tintineables", "Bolas que quedan"), -1},
        {Key::P, TINTINEABLES_TEXT("tintineables", "Dónde estoy"), -1},
        {Key::G, TINTINEABLES_TEXT("tintineables", "¿Puedo ganar?"), -1},
        {Key::A, TINTINEABLES_TEXT("tintineables", "Pista"), -1},
        {Key::F2, TINTINEABLES_TEXT("tintineables", "Juego nuevo"), -1},
        {Key::F, TINTINEABLES_TEXT("tintineables", "Oír la fila"), -1},
        {Key::C, TINTINEABLES_TEXT("tintineables", "Oír la columna"), -1},
        {Key::V, TINTINEABLES_TEXT("tintineables", "Oír todo el tablero"), -1},
        {Key::S, TINTINEABLES_TEXT("tintineables", "Saltos desde aquí"), -1},
        {JumpCountKey, TINTINEABLES_TEXT("tintineables", "Saltos en el tablero"), -1},
        {Key::E, TINTINEABLES_TEXT("tintineables", "Sonidos en estéreo"), -1},
        {Key::T, TINTINEABLES_TEXT("tintineables", "Modo texto"), -1},
    };
    if (puzzles) {
        choices.push_back({Key::PageUp, TINTINEABLES_TEXT("tintineables", "Reto anterior"), -1});
        choices.push_back({Key::PageDown, TINTINEABLES_TEXT("tintineables", "Reto siguiente"), -1});
    }
    choices.push_back({Key::Escape, TINTINEABLES_TEXT("tintineables", "Volver al menú"), -1});
    return choices;
}

} // namespace

std::vector<TouchChoice> TouchChoices(Screen screen, bool puzzles) {
    std::vector<TouchChoice> choices = ScreenChoices(screen, puzzles);
    AddSoundChoices(choices);
    return choices;
}

} // namespace tintineables
