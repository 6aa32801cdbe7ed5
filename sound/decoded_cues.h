#pragma once
#include "sound/recordings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Mix_Chunk;

namespace tintineables {

// Every recording decoded once, at start, into the mixer's format, found by its bare file name.
class DecodedCues {
public:
    DecodedCues() = default;
    ~DecodedCues() { Clear(); }
    DecodedCues(const DecodedCues&) = delete;
    DecodedCues& operator=(const DecodedCues&) = delete;

    // Decodes a recording, then lets its file's bytes go. Returns the mixer's reason when it
    // cannot, or an empty string.
    std::string Add(Recording& recording, bool deviceIsAsAsked);
    // The decoded cue for a bare file name, or nullptr for a name that is no recording.
    const Mix_Chunk* Find(std::string_view fileName) const;
    void Clear();

private:
    struct Cue {
        std::string_view fileName;
        Mix_Chunk* chunk;
        std::vector<std::uint8_t> samples; // owned here when the chunk only points at them
    };
    std::vector<Cue> cues_;
};

} // namespace tintineables
