#pragma once
// A 16-bit PCM wave file in memory, and writing bytes to a file: nothing else, so that the test
// tools built for Windows can use it too.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace tintineables::testing {

std::vector<std::uint8_t> WaveBytes(const std::vector<std::int16_t>& interleaved, int channels,
                                    int sampleRate = 48000);
void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

} // namespace tintineables::testing
