#pragma once
// A sound player that writes down the settings it receives, in order, and the file of every
// cue it was told to play. `fail`, when set, sees each setting first and may throw, as a
// player that refuses a setting does.
#include "sound/sound_player.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tintineables::testing {

// A command word as the player takes it: in any case.
bool IsCommand(std::string_view value, std::string_view word);

class RecordingSoundPlayer : public SoundPlayer {
public:
    using Check = std::function<void(int dispatchId, std::string_view value)>;
    // `played` collects the file names of "play" commands; several players may share one.
    // `heard`, when given, is how far every such player is into what it plays (none: silent),
    // as the test sets it.
    explicit RecordingSoundPlayer(std::vector<std::string>* played = nullptr, Check fail = {},
                                  const std::optional<double>* heard = nullptr)
        : played_(played), fail_(std::move(fail)), heard_(heard) {}

    void SetString(int dispatchId, std::string_view value) override;
    std::optional<PlayerPosition> Position() const override;

    std::vector<std::pair<int, std::string>> settings;

private:
    std::vector<std::string>* played_;
    Check fail_;
    const std::optional<double>* heard_;
    std::string file_;
    std::string playing_; // what "play" or "resume" started, until "close"
};

} // namespace tintineables::testing
