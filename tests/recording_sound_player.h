#pragma once
// A sound player that only writes down the settings it receives, for the cues heard.
#include "sound/sound_cue.h"
#include "sound/sound_player.h"

#include <string>
#include <utility>
#include <vector>

namespace tintineables::testing {

class RecordingSoundPlayer : public SoundPlayer {
public:
    void SetString(int dispatchId, std::string_view value) override {
        settings.emplace_back(dispatchId, std::string(value));
    }

    // The cue started by each "play", by the file name set before it.
    std::vector<SoundCue> CuesPlayed() const {
        std::vector<SoundCue> cues;
        std::string file;
        for (const auto& [id, value] : settings) {
            if (id == DispatchId::FileName) {
                file = value;
            } else if (id == DispatchId::Command && (value == "play" || value == "Play")) {
                for (const SoundCueInfo& info : SoundCueTable) {
                    if (info.fileName == file) {
                        cues.push_back(info.cue);
                    }
                }
            }
        }
        return cues;
    }

    std::vector<std::pair<int, std::string>> settings;
};

} // namespace tintineables::testing
