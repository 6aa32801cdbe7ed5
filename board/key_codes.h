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
inline constexpr KeyCode G = 71;
inline constexpr KeyCode P = 80;
inline constexpr KeyCode T = 84;
inline constexpr KeyCode F1 = 112;
inline constexpr KeyCode F2 = 113;
inline constexpr KeyCode F3 = 114;
inline constexpr KeyCode F4 = 115;
} // namespace Key

} // namespace tintineables
