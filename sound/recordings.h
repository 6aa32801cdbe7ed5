#pragma once
#include "sound/language.h"
#include "sound/recording_files.h"
#include "sound/sound_cue.h"
#include "sound/spoken_words.h"
#include "sound/wave_file.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tintineables {

// The largest recording the game accepts. The longest, the tutorial, is under four minutes of
// 48 kHz 16-bit mono, some 22 MiB; a file far past that is a mistake that would only eat memory.
inline constexpr std::uintmax_t MaxRecordingBytes = 32u << 20;

struct Recording {
    std::string_view fileName; // bare, as the sound players are told it
    std::filesystem::path path;
    std::vector<std::uint8_t> bytes; // the whole file
    WaveFormat format;
};

// Where the game looks for a bare file name, in this order: sounds/ beside the executable (a
// build), then the installed data folder <prefix>/share/tintineables/sounds, found from the
// executable in <prefix>/bin. Never the current directory.
std::vector<std::filesystem::path> RecordingFolders();

// The end of a start-up message about the game's files: the folders searched, in order, and
// the language whose files were looked for, with how to choose the other.
std::string DescribeSearch(const std::vector<std::filesystem::path>& folders, Language language);

// Finds, reads and checks every recording of a language: its spoken ones in the language's
// folder under each recording folder (for English, sounds/en/), the earcons in the folder
// itself. Any that is missing, unreadable, empty, truncated or not a playable wave file throws
// StartupError: a line per file with its reason, then the folders searched and the language.
// `withTouch`: the touch screens' recordings too (RecordingFiles).
std::vector<Recording> LoadRecordings(const std::vector<std::filesystem::path>& folders,
                                      Language language = Language::Spanish,
                                      bool withTouch = false);

} // namespace tintineables
