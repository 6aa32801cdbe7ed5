#pragma once
#include "sound/decoding_behind.h"
#include "sound/recordings.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct Mix_Chunk;

namespace tintineables {

// Every recording decoded once into the mixer's format, found by its bare file name: those the
// first screen plays at once, the rest behind it (DecodingBehind).
class DecodedCues {
public:
    DecodedCues() = default;
    ~DecodedCues() { Clear(); }
    DecodedCues(const DecodedCues&) = delete;
    DecodedCues& operator=(const DecodedCues&) = delete;

    // Decodes those named in `first` (every one when it is empty) now, the others behind, each
    // file's bytes let go once it is decoded. Returns the mixer's reason for one of those it
    // decodes now that it cannot decode, or an empty string.
    std::string Start(std::vector<Recording> recordings, bool deviceIsAsAsked,
                      const std::vector<std::string_view>& first);
    // The decoded cue for a bare file name, waiting for it if it is still being decoded; nullptr
    // for a name that is no recording; RunTimeError for one that could not be decoded.
    const Mix_Chunk* Find(std::string_view fileName) const;
    int SoundsThatWaited() const;
    void Clear();

private:
    // A chunk for the mixer, and the samples it points at when they are laid out here.
    struct Cue {
        Cue() = default;
        Cue(Cue&& other) noexcept;
        Cue& operator=(Cue&& other) noexcept;
        ~Cue();
        Mix_Chunk* chunk = nullptr;
        std::vector<std::uint8_t> samples;
    };
    std::unique_ptr<DecodingBehind<Cue>> cues_;
};

} // namespace tintineables
