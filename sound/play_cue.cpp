#include "sound/play_cue.h"

#include <string>

namespace tintineables {

namespace {

void PlayFile(SoundPlayer& player, std::string_view fileName, bool capitalised,
              std::string_view play = "play") {
    player.SetString(DispatchId::DeviceType, "waveaudio");
    player.SetString(DispatchId::FileName, fileName);
    player.SetString(DispatchId::Command, capitalised ? "Close" : "close");
    player.SetString(DispatchId::Command, capitalised ? "Open" : "open");
    player.SetString(DispatchId::Command, capitalised ? "Play" : play);
    player.SetString(DispatchId::Command, "prev");
}

} // namespace

void PlayCue(SoundPlayer& player, SoundCue cue) {
    // The place button has always sent its first three command words capitalised; the player
    // matches command words without regard to case, so the cue sounds like any other.
    PlayFile(player, FileNameOf(cue), cue == SoundCue::Place);
}

void PlayJoined(SoundPlayer& player, std::span<const std::string_view> fileNames) {
    std::string joined;
    for (std::string_view name : fileNames) {
        if (!joined.empty()) {
            joined += JoinedFileSeparator;
        }
        joined += name;
    }
    PlayFile(player, joined, false);
}

void Resume(SoundPlayer& player, std::string_view fileName) {
    PlayFile(player, fileName, false, "resume");
}

} // namespace tintineables
