#include "tests/wave_writer.h"

#include "tests/heard_cues.h"
#include "tests/heard_words.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

namespace tintineables::testing {

std::int16_t PatternSample(SoundCue cue, std::size_t frame) {
    return static_cast<std::int16_t>((static_cast<int>(cue) + 1) * 2000 + 1 +
                                     static_cast<int>(frame % 1000));
}

std::int16_t PatternSample(SpokenWord word, std::size_t frame) {
    return static_cast<std::int16_t>(
        -((static_cast<int>(word) + 1) * 400 + 1 + static_cast<int>(frame % 300)));
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
    // Each sweep sound a short ramp of its own height, shared by every language.
    int height = 1000;
    for (std::string_view file : HeardSweepSounds) {
        std::vector<std::int16_t> values(frames);
        for (std::size_t i = 0; i < frames; ++i) {
            values[i] = static_cast<std::int16_t>(height + static_cast<int>(i % 100));
        }
        WriteFile(folder / file, WaveBytes(values, 1));
        height += 500;
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
