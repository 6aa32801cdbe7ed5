#pragma once
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
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void SetString(int dispatchId, std::string_view value) = 0;
};

} // namespace tintineables
