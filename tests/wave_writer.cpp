#include "tests/wave_writer.h"

#include "tests/heard_cues.h"
#include "tests/heard_words.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

namespace tintineables::testing {

namespace {

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}
void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutTag(std::vector<std::uint8_t>& b, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

std::vector<std::uint8_t> WaveBytes(const std::vector<std::int16_t>& samples, int channels,
                                    int sampleRate) {
    std::vector<std::uint8_t> b;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    PutTag(b, "RIFF");
    Put32(b, 36 + dataBytes);
    PutTag(b, "WAVE");
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, 1);
    Put16(b, static_cast<std::uint32_t>(channels));
    Put32(b, static_cast<std::uint32_t>(sampleRate));
    Put32(b, static_cast<std::uint32_t>(sampleRate * channels * 2));
    Put16(b, static_cast<std::uint32_t>(channels * 2));
    Put16(b, 16);
    PutTag(b, "data");
    Put32(b, dataBytes);
    for (std::int16_t s : samples) {
        Put16(b, static_cast<std::uint16_t>(s));
    }
    return b;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::int16_t PatternSample(SoundCue cue, std::size_t frame) {
    return static_cast<std::int16_t>((static_cast<int>(cue) + 1) * 2000 + 1 +
                                     static_cast<int>(frame % 1000));
}

std::int16_t PatternSample(SpokenWord word, std::size_t frame) {
    return static_cast<std::int16_t>(
        -((static_cast<int>(word) + 1) * 600 + 1 + static_cast<int>(frame % 500)));
}

std::vector<std::int16_t> PatternFrames(SoundCue cue, std::size_t frames) {
    std::vector<std::int16_t> values(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        values[i] = PatternSample(cue, i);
    }
    return values;
}

void WritePatternRecordings(const std::filesystem::path& folder, std::size_t frames,
                            std::initializer_list<Language> alsoSpoken) {
    std::filesystem::create_directories(folder);
    // Named by the test's own lists of files: a file heard names the cue or word it was made for.
    std::vector<std::filesystem::path> spokenFolders{folder};
    for (Language language : alsoSpoken) {
        spokenFolders.push_back(folder / InfoOf(language).folder);
        std::filesystem::create_directories(spokenFolders.back());
    }
    for (const HeardCue& row : HeardCues) {
        const bool spoken = row.button == 0; // the screens' own cues speak, the buttons' do not
        for (const auto& target : spoken ? spokenFolders : std::vector{folder}) {
            WriteFile(target / row.file, WaveBytes(PatternFrames(row.cue, frames), 1));
        }
    }
    for (const HeardWord& row : HeardWords) {
        std::vector<std::int16_t> values(frames);
        for (std::size_t i = 0; i < frames; ++i) {
            values[i] = PatternSample(row.word, i);
        }
        for (const auto& target : spokenFolders) {
            WriteFile(target / row.file, WaveBytes(values, 1));
        }
    }
}

TemporaryFolder::TemporaryFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("tintineables-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace tintineables::testing
