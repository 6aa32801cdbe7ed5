#pragma once
// The player's own sound: the pace of the speech, and the loudness of the speech and of the
// earcons, each apart. The game's keys choose them, every host's sound players carry them out,
// and a host keeps them where its platform lets a program keep anything (the page's storage) or
// takes them from its command line. Until the player changes one, every recording plays as made.
// This header is shared with the page: keep it free of anything but the standard library.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tintineables {

// The paces of the speech, the recordings' own first, up to two and a half times it.
inline constexpr std::array<double, 7> SpeechRates = {1.0, 1.25, 1.5, 1.75, 2.0, 2.25, 2.5};
// The loudness in steps of 3 dB, from the recordings' own level (0 dB), which nothing exceeds,
// down to a thirty-second of it.
inline constexpr int VolumeStepDb = 3;
inline constexpr int QuietestDb = -30;

struct SoundSettings {
    int rate = 0;     // into SpeechRates
    int speechDb = 0; // 0, -3, ..., QuietestDb
    int cueDb = 0;
    // Each arrival cue on the board heard from its hole's column, so that a walk along a row is
    // heard moving; off, every cue plays as recorded.
    bool stereoArrivals = false;
    double Rate() const { return SpeechRates[static_cast<std::size_t>(rate)]; }
    friend bool operator==(const SoundSettings&, const SoundSettings&) = default;
};

// The factor a level in dB multiplies the samples by.
double GainOf(int db);

// Whether a bare file name is a spoken recording (speech, at the speech's pace and loudness),
// rather than an earcon.
bool IsSpeech(std::string_view fileName);

// The settings a command line gives: --speech-rate RATE (1, 1.25 ... 2.5), --speech-volume DB
// and --cue-volume DB (0, -3 ... -30), each as "--name value" or "--name=value", and the switch
// --stereo-cues. The arguments
// taken are removed from `arguments`; a bad one leaves `problem` saying which values are good.
inline constexpr std::string_view StereoCuesOption = "--stereo-cues";
struct SoundOptions {
    SoundSettings settings;
    std::string problem;
};
SoundOptions TakeSoundOptions(std::vector<std::string>& arguments);

// What to tell the player of arguments no option took (a misspelt option, say), or "" when none
// is left: the game takes no other.
std::string UnknownOptions(const std::vector<std::string>& left);

} // namespace tintineables
