#pragma once
// The audio engine on SDL's disk driver: everything the mixer sends to the "device" lands in a
// file, which the test reads back once the engine is closed.
#include "sound/audio_engine.h"
#include "tests/wave_writer.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tintineables::testing {

class DiskAudio {
public:
    // Writes the thirteen pattern recordings, `frames` long, and opens the engine on them.
    explicit DiskAudio(std::size_t frames);
    ~DiskAudio();

    AudioEngine& Engine() { return *engine_; }
    // Closes the engine and returns the left channel of everything mixed.
    std::vector<std::int16_t> StopAndReadLeft();

private:
    TemporaryFolder folder_;
    std::unique_ptr<AudioEngine> engine_;
};

// Index of the first frame at or after `from` whose value is `value`, or -1.
long FindFrame(const std::vector<std::int16_t>& output, std::int16_t value, std::size_t from = 0);

void WaitMilliseconds(int ms);

} // namespace tintineables::testing
