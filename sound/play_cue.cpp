#include "sound/play_cue.h"

namespace tintineables {

void PlayCue(SoundPlayer& player, SoundCue cue) {
    // The place button has always sent its first three command words capitalised; the player
    // matches command words without regard to case, so the cue sounds like any other.
    const bool capitalised = cue == SoundCue::Place;
    player.SetString(DispatchId::DeviceType, "waveaudio");
    player.SetString(DispatchId::FileName, FileNameOf(cue));
    player.SetString(DispatchId::Command, capitalised ? "Close" : "close");
    player.SetString(DispatchId::Command, capitalised ? "Open" : "open");
    player.SetString(DispatchId::Command, capitalised ? "Play" : "play");
    player.SetString(DispatchId::Command, "prev");
}

} // namespace tintineables
