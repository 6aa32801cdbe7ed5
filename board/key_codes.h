#pragma once
#include <cstdint>

namespace tintineables {

// 16-bit virtual-key codes, the only key names the game's rules and screens know.
using KeyCode = std::int16_t;

namespace Key {
inline constexpr KeyCode Backspace = 8;
inline constexpr KeyCode Tab = 9;
inline constexpr KeyCode Control = 17;
inline constexpr KeyCode Escape = 27;
inline constexpr KeyCode Space = 32;
inline constexpr KeyCode PageUp = 33;
inline constexpr KeyCode PageDown = 34;
inline constexpr KeyCode Left = 37;
inline constexpr KeyCode Up = 38;
inline constexpr KeyCode Right = 39;
inline constexpr KeyCode Down = 40;
inline constexpr KeyCode A = 65;
inline constexpr KeyCode B = 66;
inline constexpr KeyCode C = 67; // the board at a glance: its column (columna)
inline constexpr KeyCode E = 69; // the arrivals placed in stereo (estéreo)
inline constexpr KeyCode F = 70; // its row (fila)
inline constexpr KeyCode G = 71;
inline constexpr KeyCode L = 76; // the board's captions shown or hidden (leyendas)
inline constexpr KeyCode P = 80;
inline constexpr KeyCode S = 83; // the jumps from here (saltos); with Shift, the whole board's
inline constexpr KeyCode T = 84;
inline constexpr KeyCode V = 86; // the whole cross (vistazo)
inline constexpr KeyCode F1 = 112;
inline constexpr KeyCode F2 = 113;
inline constexpr KeyCode F3 = 114;
inline constexpr KeyCode F4 = 115;
// The player's own sound, on every screen: F8 hears the last answer again; on the row of digits,
// 7 and 8 the speech slower and faster, 9 and 0 the speech quieter and louder, and the two keys
// after 0 (minus, and equals with plus) the earcons quieter and louder. Hosts give these codes
// to those places on the keyboard, whatever a layout prints on them.
inline constexpr KeyCode F8 = 119;
inline constexpr KeyCode Digit7 = 55;
inline constexpr KeyCode Digit8 = 56;
inline constexpr KeyCode Digit9 = 57;
inline constexpr KeyCode Digit0 = 48;
inline constexpr KeyCode Minus = 189;  // the key after 0
inline constexpr KeyCode Equals = 187; // the key after that
// The key left of 1, below Escape (` on a US keyboard, º on a Spanish one, ² on a French one):
// the screen dark, or shown again, on every screen, for a player who wants it so.
inline constexpr KeyCode Curtain = 192;
} // namespace Key

} // namespace tintineables
