#include "game/screen.h"

#include <array>

namespace tintineables {

namespace {

using K = FlowStep::Kind;

struct FlowRow {
    Screen screen;
    KeyCode key;
    FlowStep step;
};

// The whole flow between the screens. The board hands every other key on to its focused hole;
// the tutorial and the credits cannot be reached from the board directly. F4 opens the board on
// the puzzles wherever F2 opens it on the game.
constexpr std::array<FlowRow, 17> FlowTable = {{
    {Screen::Menu, Key::F1, {K::SwitchTo, Screen::Tutorial}},
    {Screen::Menu, Key::F2, {K::SwitchTo, Screen::Board}},
    {Screen::Menu, Key::F3, {K::SwitchTo, Screen::Credits}},
    {Screen::Menu, Key::F4, {K::SwitchTo, Screen::Board, true}},
    {Screen::Menu, Key::Escape, {K::End, Screen::Menu}},
    {Screen::Tutorial, Key::F1, {K::Replay, Screen::Tutorial}},
    {Screen::Tutorial, Key::F2, {K::SwitchTo, Screen::Board}},
    {Screen::Tutorial, Key::F3, {K::SwitchTo, Screen::Credits}},
    {Screen::Tutorial, Key::F4, {K::SwitchTo, Screen::Board, true}},
    {Screen::Tutorial, Key::Escape, {K::SwitchTo, Screen::Menu}},
    {Screen::Credits, Key::F1, {K::SwitchTo, Screen::Tutorial}},
    {Screen::Credits, Key::F2, {K::SwitchTo, Screen::Board}},
    {Screen::Credits, Key::F3, {K::Replay, Screen::Credits}},
    {Screen::Credits, Key::F4, {K::SwitchTo, Screen::Board, true}},
    {Screen::Credits, Key::Escape, {K::SwitchTo, Screen::Menu}},
    {Screen::Board, Key::F2, {K::Restart, Screen::Board}},
    {Screen::Board, Key::Escape, {K::SwitchTo, Screen::Menu}},
}};

} // namespace

FlowStep FlowFor(Screen screen, KeyCode keyCode) {
    for (const FlowRow& row : FlowTable) {
        if (row.screen == screen && row.key == keyCode) {
            return row.step;
        }
    }
    return {};
}

} // namespace tintineables
