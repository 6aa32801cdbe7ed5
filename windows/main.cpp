// TINTINEABLES on Windows: peg solitaire played by keyboard and ear, in standard windows that
// screen readers read.
#include "sound/cue_mixer_sound_player.h"
#include "sound/startup_error.h"
#include "windows/mpeg_layer3_decoder.h"
#include "windows/wasapi_output.h"
#include "windows/wide_text.h"
#include "windows/win_game_host.h"

#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include <cstdio>
#include <future>
#include <map>
#include <memory>

using namespace tintineables;

namespace {

// The first of the user's display languages that the game has; Spanish when it has none.
Language WindowsLanguage() {
    ULONG count = 0;
    ULONG size = 0;
    std::vector<std::string> asked;
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
        std::wstring names(size, L'\0');
        if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
            for (const wchar_t* name = names.c_str(); *name != L'\0'; name += wcslen(name) + 1) {
                asked.push_back(Utf8(name));
            }
        }
    }
    return ChooseLanguage(asked);
}

// A message for the player: on the console that started the game, if any, and in a message box,
// which a screen reader reads.
void Tell(const std::string& message) {
    std::fprintf(stderr, "tintineables: %s\n", message.c_str());
    std::fflush(stderr);
    MessageBoxW(nullptr, Wide(message).c_str(), L"TINTINEABLES", MB_OK | MB_ICONERROR);
}

// The recordings as read at start, and those of the first screen already decoded.
struct FirstRead {
    std::vector<Recording> recordings;
    std::map<std::string_view, std::vector<std::int16_t>> decoded;
};

// The program's arguments, as UTF-8.
std::vector<std::string> Arguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(Utf8(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The player's own sound as the command line (a shortcut's) gives it, checked first.
    std::vector<std::string> arguments = Arguments();
    const SoundOptions sound = TakeSoundOptions(arguments);
    if (const std::string problem =
            sound.problem.empty() ? UnknownOptions(arguments) : sound.problem;
        !problem.empty()) {
        Tell(problem);
        return 1;
    }
    // Everything that can stop the game is checked before a window opens: every recording, in
    // the user's language, and the sound device. They are read and opened at once, beside each
    // other and beside the windows' thread's own start; of the recordings, only what the menu
    // plays as it opens is decoded before its window, the rest behind it.
    const Language language = WindowsLanguage();
    auto read = std::async(std::launch::async, [language] {
        auto found = std::make_shared<FirstRead>();
        found->recordings = LoadRecordings(RecordingFolders(), language);
        for (std::string_view name : FirstScreenRecordings(false)) {
            for (const Recording& recording : found->recordings) {
                if (recording.fileName == name && recording.format.formatTag == WaveMpegLayer3) {
                    found->decoded.emplace(name, DecodeMpegLayer3(recording));
                }
            }
        }
        return found;
    });
    auto device = std::async(std::launch::async, [] { return std::make_unique<WasapiOutput>(); });
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::unique_ptr<WasapiOutput> output;
    std::unique_ptr<CueMixer> mixer;
    try {
        const std::shared_ptr<FirstRead> first = read.get(); // a missing recording is said first
        output = device.get();
        mixer = std::make_unique<CueMixer>(
            std::move(first->recordings), output->Rate(),
            [first](const Recording& recording) {
                const auto decoded = first->decoded.find(recording.fileName);
                return decoded != first->decoded.end() ? std::move(decoded->second)
                                                       : DecodeMpegLayer3(recording);
            },
            FirstScreenRecordings(false));
    } catch (const StartupError& error) {
        if (device.valid()) {
            device.wait();
        }
        Tell(std::string("cannot start:\n") + error.what());
        CoUninitialize();
        return 1;
    }
    output->Play(*mixer);

    int status = 0;
    {
        WinGameHost host(
            instance, language,
            {*mixer, [&] { return std::make_unique<CueMixerSoundPlayer>(*mixer); },
             [](const std::string& message) {
                 MessageBoxW(nullptr, Wide(message).c_str(), L"TINTINEABLES", MB_OK | MB_ICONERROR);
             },
             [&](const SoundSettings& settings) { mixer->SetSoundSettings(settings); }});
        host.TheGame().SetSoundSettings(sound.settings);
        status = host.Run();
    }
    // For the benchmark and the tests: a key must never wait for a recording.
    if (const int waited = mixer->SoundsThatWaited(); waited > 0) {
        std::fprintf(stderr, "tintineables: %d sounds waited for a recording still being decoded\n",
                     waited);
    }
    if (const int restarts = output->Restarts(); restarts > 0) {
        std::fprintf(stderr,
                     "tintineables: the sound ran dry %d times and its stream started afresh\n",
                     restarts);
    }
    output.reset();
    CoUninitialize();
    return status;
}
