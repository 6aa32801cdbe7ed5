#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tintineables {

// The dispatch ids of a form's sound player, MMControl1: the only three settings anyone makes.
namespace DispatchId {
inline constexpr int DeviceType = 21;
inline constexpr int FileName = 22;
inline constexpr int Command = 23;
} // namespace DispatchId

// Recordings named in one file name, joined by this, play back to back as one sound, with a
// short pause between them, as a speaker pauses between words.
inline constexpr char JoinedFileSeparator = '+';
inline constexpr int JoinedPauseMilliseconds = 70;

// A form's sound player. It is reached only through string settings by dispatch id; a setting
// it cannot carry out is a failure status, thrown as RunTimeError.
// Where a player is in what it sounds: the file name it was given, and how far into it, in the
// recording's own seconds (whatever the speech's pace).
struct PlayerPosition {
    std::string fileName;
    double seconds = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void SetString(int dispatchId, std::string_view value) = 0;
    // Where it is in the single recording it sounds now; none when it sounds nothing, or
    // recordings joined. Read often (a screen's captions follow it): it stops nothing.
    virtual std::optional<PlayerPosition> Position() const { return std::nullopt; }
};

} // namespace tintineables
