#pragma once
// Writes test recordings: 16-bit PCM wave files with a known pattern, and broken ones.
#include "sound/language.h"
#include "sound/sound_cue.h"
#include "sound/spoken_words.h"
#include "tests/wave_bytes.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <vector>

namespace tintineables::testing {

// A cue's test sound: mono 16-bit at the mixer's own rate, as every recording the game ships,
// so the mixer plays the very samples written here on both channels. Sample i of every cue lies in
// a value range of that cue alone: (index + 1) * 2000 + 1 + i % 1000, so a sample heard names its
// cue and its position.
std::int16_t PatternSample(SoundCue cue, std::size_t frame);
std::vector<std::int16_t> PatternFrames(SoundCue cue, std::size_t frames); // one value a frame

// A spoken word's test sound, in a negative range of that word alone:
// -((index + 1) * 400 + 1 + i % 300), which stays within 16 bits for every word.
std::int16_t PatternSample(SpokenWord word, std::size_t frame);

// A folder with every recording as a pattern, `frames` long each: the thirteen cues and the
// spoken words; for each further language, its spoken ones again in its own folder.
void WritePatternRecordings(const std::filesystem::path& folder, std::size_t frames,
                            std::initializer_list<Language> alsoSpoken = {});

// A fresh folder under the system's temporary folder, removed when the object goes.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace tintineables::testing
