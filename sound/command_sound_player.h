#pragma once
// What every sound player of the game understands of its six settings, whatever plays the sound
// (the mixer on the desktop, Web Audio in a browser): the device type must be "waveaudio",
// command words match in any case, "close" stops what the player sounds (harmless with nothing
// open), "open" opens the file named (recordings joined by JoinedFileSeparator, in order),
// "play" starts it from its beginning, and "prev" rewinds what is open without touching a sound
// that plays. "resume" starts what is open from where this player last cut it short, or from
// its beginning when it was not cut (a screen's recording, heard again after a key cut it).
// Anything else is a failure status, thrown as RunTimeError.
#include "sound/sound_player.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintineables {

class CommandSoundPlayer : public SoundPlayer {
public:
    void SetString(int dispatchId, std::string_view value) final;
    std::optional<PlayerPosition> Position() const final;

protected:
    // Stops whatever the player sounds; it sounds nothing afterwards. When it cut a single
    // recording short, how far into it that had got, in the recording's own seconds (whatever
    // its pace).
    virtual std::optional<double> Close() = 0;
    // Opens the recordings, to play back to back; throws for one that is no recording of the game.
    virtual void Open(const std::vector<std::string_view>& recordings) = 0;
    // Starts what is open `fromSeconds` into it (its beginning: 0), cutting what the player
    // sounded.
    virtual void Play(double fromSeconds) = 0;
    // How far into the single recording it plays the player is now, in the recording's own
    // seconds; none when it sounds nothing (its end reached), or recordings joined.
    virtual std::optional<double> Heard() const = 0;

    const std::string& FileName() const { return fileName_; }

private:
    void RunCommand(std::string_view command);

    void Start(double fromSeconds);

    std::string deviceType_;
    std::string fileName_;
    bool opened_ = false;
    std::string playing_;                              // what was last played, cut or not
    std::map<std::string, double, std::less<>> cutAt_; // recordings cut short, and where
};

} // namespace tintineables
