#pragma once
// The recordings as the source tree ships them, read once for a test binary, and one of them as
// samples from -1 to 1.
#include "sound/recordings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace tintineables {

inline const std::vector<Recording>& Shipped() {
    static const auto recordings = LoadRecordings({TINTINEABLES_SOURCE_SOUNDS});
    return recordings;
}

inline std::vector<float> ShippedSamples(std::string_view name) {
    for (const Recording& recording : Shipped()) {
        if (recording.fileName == name) {
            std::vector<float> samples;
            for (std::int16_t sample : Pcm16Samples(recording.bytes, recording.format)) {
                samples.push_back(static_cast<float>(sample) / 32768.0f);
            }
            return samples;
        }
    }
    ADD_FAILURE() << "no recording " << name;
    return {};
}

} // namespace tintineables
