#include "tests/disk_audio.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace tintineables::testing {

MixedOutput ReadRawStereo(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    auto sample = [&](std::size_t at) {
        const auto low = static_cast<unsigned char>(bytes[at]);
        const auto high = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<std::int16_t>(low | high << 8);
    };
    MixedOutput frames;
    frames.reserve(bytes.size() / 4);
    for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4) {
        frames.push_back({sample(at), sample(at + 2)});
    }
    return frames;
}

DiskAudio::DiskAudio(std::size_t frames) {
    WritePatternRecordings(folder_.Path() / "sounds", frames);
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", (folder_.Path() / "output.raw").c_str(), 1);
    engine_ = StartAudio({folder_.Path() / "sounds"});
}

DiskAudio::~DiskAudio() = default;

MixedOutput DiskAudio::StopAndRead() {
    engine_.reset();
    return ReadRawStereo(folder_.Path() / "output.raw");
}

long FindFrame(const MixedOutput& output, std::int16_t value, std::size_t from) {
    for (std::size_t i = from; i < output.size(); ++i) {
        if (output[i].left == value && output[i].right == value) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

void WaitMilliseconds(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

} // namespace tintineables::testing
