#include "sound/recordings.h"

#include "sound/startup_error.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#ifndef TINTINEABLES_DATA_FROM_BIN
#define TINTINEABLES_DATA_FROM_BIN "../share"
#endif

#ifdef _WIN32
#include <windows.h>
#endif

namespace tintineables {

namespace fs = std::filesystem;

namespace {

std::string Megabytes(std::uintmax_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

// Reads one recording, or says why it cannot be used.
std::string ReadRecording(const fs::path& path, Recording& recording) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        return "is a folder, not a wave file";
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) {
        return "cannot be read: " + error.message();
    }
    if (size > MaxRecordingBytes) {
        return "too large: " + Megabytes(size) + ", the limit for a recording is " +
               Megabytes(MaxRecordingBytes);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::string("cannot be read: ") + std::strerror(errno);
    }
    recording.bytes.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(recording.bytes.data()), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return "cannot be read: short read";
    }
    const WaveCheck check = CheckWave(recording.bytes);
    recording.format = check.format;
#ifndef _WIN32
    // Only Windows has the decoder of the Windows edition's compressed recordings.
    if (check.problem.empty() && check.format.formatTag == WaveMpegLayer3) {
        return "compressed (MPEG layer 3), as only the Windows edition plays its recordings";
    }
#endif
    return check.problem;
}

} // namespace

std::string DescribeSearch(const std::vector<fs::path>& folders, Language language) {
    std::string text = "Folders searched, in order:";
    for (const fs::path& folder : folders) {
        text += ' ';
        text += folder.string();
    }
    // Any other language is offered the Spanish set, the original; Spanish is offered English.
    const LanguageInfo& other =
        InfoOf(language == Language::Spanish ? Language::English : Language::Spanish);
#ifdef _WIN32
    return text + "\nLanguage: " + std::string(InfoOf(language).name) +
           ", as Windows' display language asks; with Windows in " + std::string(other.name) +
           " the game plays the " + std::string(other.name) + " recordings instead.";
#else
    return text + "\nLanguage: " + std::string(InfoOf(language).name) +
           ", as the desktop asks; LANGUAGE=" + std::string(other.code) + " plays the " +
           std::string(other.name) + " recordings instead.";
#endif
}

// Both folders are found from the executable, so the game can be installed under any prefix
// (or unpacked anywhere) and still find its recordings in <prefix>/share/tintineables/sounds.
std::vector<fs::path> RecordingFolders() {
#ifdef _WIN32
    // Unpacked anywhere, the program and its recordings stand side by side.
    std::wstring executable(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, executable.data(),
                                        static_cast<DWORD>(executable.size()))) ==
           executable.size()) {
        executable.resize(executable.size() * 2);
    }
    executable.resize(length);
    return {fs::path(executable).parent_path() / "sounds"};
#else
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    const fs::path folder = error ? fs::path("/usr/bin") : executable.parent_path();
    return {folder / "sounds",
            (folder / TINTINEABLES_DATA_FROM_BIN / "tintineables" / "sounds").lexically_normal()};
#endif
}

std::vector<Recording> LoadRecordings(const std::vector<fs::path>& folders, Language language,
                                      bool withTouch) {
    const LanguageInfo& spokenIn = InfoOf(language);
    std::vector<Recording> recordings;
    std::string problems;
    for (const RecordingFile& file : RecordingFiles(withTouch)) {
        // As the player reads it in a message: "en/tutorial.wav", "bola.wav".
        const fs::path name =
            file.spoken ? fs::path(spokenIn.folder) / file.fileName : fs::path(file.fileName);
        Recording recording{file.fileName, {}, {}, {}};
        for (const fs::path& folder : folders) {
            std::error_code error;
            const fs::path candidate = folder / name;
            if (fs::exists(fs::symlink_status(candidate, error))) {
                recording.path = candidate;
                break;
            }
        }
        if (recording.path.empty()) {
            problems += name.string() + ": missing\n";
            continue;
        }
        const std::string problem = ReadRecording(recording.path, recording);
        if (!problem.empty()) {
            problems += recording.path.string() + ": " + problem + "\n";
            continue;
        }
        recordings.push_back(std::move(recording));
    }
    if (!problems.empty()) {
        throw StartupError(problems + DescribeSearch(folders, language));
    }
    return recordings;
}

} // namespace tintineables
