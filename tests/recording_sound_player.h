#pragma once
// A sound player that only writes down the settings it receives, in order.
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

    std::vector<std::pair<int, std::string>> settings;
};

} // namespace tintineables::testing
