#pragma once
// A part of a joined file name may carry where it is heard and how long the silence before it
// lasts: "barrido_f4_bola.wav@-27#20" is that recording placed a little left of centre, 20 ms
// after the part before it. A part without "@" plays as recorded, in both ears alike; one
// without "#" follows the part before it after JoinedPauseMilliseconds (the first part at once).
// Every sound player reads these the same way; the page's player (web/players.js) reads them
// by the same rules.
// This header is shared with the page: keep it free of anything but the standard library.
#include <optional>
#include <string>
#include <string_view>

namespace tintineables {

inline constexpr char PlaceMark = '@';
inline constexpr char PauseMark = '#';
// The place runs from -100 (the left ear alone) to 100 (the right ear alone).
inline constexpr int FarLeft = -100;
inline constexpr int FarRight = 100;
// A pause before one part is at most this long: a longer one is a mistake, not a sound.
inline constexpr int LongestPauseMilliseconds = 2000;

struct JoinedPart {
    std::string_view fileName; // the bare recording's name
    std::optional<int> place;  // FarLeft..FarRight; none: as recorded, in both ears
    std::optional<int> pauseMilliseconds;
};

// The part as written; nothing when a mark is followed by no number, or one out of range.
std::optional<JoinedPart> ReadJoinedPart(std::string_view text);

// A part written out for a joined file name.
std::string WriteJoinedPart(std::string_view fileName, std::optional<int> place,
                            std::optional<int> pauseMilliseconds);

// The pause before a part that gives none: none before the first part, the words' pause after.
int PauseBefore(const JoinedPart& part, bool first);

// Each ear's gain for a place, by the equal-power law: the two gains' squares add up to one,
// so a sound keeps its loudness wherever it stands. Unplaced: both ears at 1, as recorded.
struct EarGains {
    float left = 1.0f;
    float right = 1.0f;
};
EarGains GainsOf(std::optional<int> place);

} // namespace tintineables
