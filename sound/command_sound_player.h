#pragma once
// What every sound player of the game understands of its six settings, whatever plays the sound
// (the mixer on the desktop, Web Audio in a browser): the device type must be "waveaudio",
// command words match in any case, "close" stops what the player sounds (harmless with nothing
// open), "open" opens the file named (recordings joined by JoinedFileSeparator, in order),
// "play" starts it from its beginning, and "prev" rewinds what is open without touching a sound
// that plays. Anything else is a failure status, thrown as RunTimeError.
#include "sound/sound_player.h"

#include <string>
#include <string_view>
#include <vector>

namespace tintineables {

class CommandSoundPlayer : public SoundPlayer {
public:
    void SetString(int dispatchId, std::string_view value) final;

protected:
    // Stops whatever the player sounds; it sounds nothing afterwards.
    virtual void Close() = 0;
    // Opens the recordings, to play back to back; throws for one that is no recording of the game.
    virtual void Open(const std::vector<std::string_view>& recordings) = 0;
    // Starts what is open from its beginning, cutting what the player sounded.
    virtual void Play() = 0;

    const std::string& FileName() const { return fileName_; }

private:
    void RunCommand(std::string_view command);

    std::string deviceType_;
    std::string fileName_;
    bool opened_ = false;
};

} // namespace tintineables
