#include "tests/recording_sound_player.h"

#include <algorithm>
#include <cctype>

namespace tintineables::testing {

bool IsCommand(std::string_view value, std::string_view word) {
    return std::equal(value.begin(), value.end(), word.begin(), word.end(),
                      [](unsigned char a, unsigned char b) { return std::tolower(a) == b; });
}

void RecordingSoundPlayer::SetString(int dispatchId, std::string_view value) {
    if (fail_) {
        fail_(dispatchId, value);
    }
    settings.emplace_back(dispatchId, std::string(value));
    if (dispatchId == DispatchId::FileName) {
        file_ = value;
    } else if (dispatchId == DispatchId::Command && IsCommand(value, "close")) {
        playing_.clear();
    } else if (dispatchId == DispatchId::Command &&
               (IsCommand(value, "play") || IsCommand(value, "resume"))) {
        playing_ = file_;
        if (played_) {
            played_->push_back(file_);
        }
    }
}

std::optional<PlayerPosition> RecordingSoundPlayer::Position() const {
    if (heard_ == nullptr || !heard_->has_value() || playing_.empty()) {
        return std::nullopt;
    }
    return PlayerPosition{playing_, **heard_};
}

} // namespace tintineables::testing
