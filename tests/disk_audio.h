#pragma once
// The audio engine on SDL's disk driver: everything the mixer sends to the "device" lands in a
// file, which the test reads back once the engine is closed.
#include "sound/audio_engine.h"
#include "tests/wave_writer.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace tintineables::testing {

// One frame of what the mixer sent out: 16-bit stereo, as the engine opens the device.
struct Frame {
    std::int16_t left, right;
};
using MixedOutput = std::vector<Frame>;

// The frames of a raw output file of SDL's disk driver.
MixedOutput ReadRawStereo(const std::filesystem::path& path);

class DiskAudio {
public:
    // Writes the thirteen pattern recordings, `frames` long, and opens the engine on them.
    explicit DiskAudio(std::size_t frames);
    ~DiskAudio();

    AudioEngine& Engine() { return *engine_; }
    // Closes the engine and returns everything mixed.
    MixedOutput StopAndRead();

private:
    TemporaryFolder folder_;
    std::unique_ptr<AudioEngine> engine_;
};

// Index of the first frame at or after `from` whose two channels are both `value`, or -1.
long FindFrame(const MixedOutput& output, std::int16_t value, std::size_t from = 0);

void WaitMilliseconds(int ms);

} // namespace tintineables::testing
