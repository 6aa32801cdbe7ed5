#include "sound/sound_settings.h"

#include "sound/recording_files.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tintineables {

double GainOf(int db) { return std::pow(10.0, db / 20.0); }

bool IsSpeech(std::string_view fileName) {
    static const std::vector<RecordingFile> files = RecordingFiles(true);
    for (const RecordingFile& file : files) {
        if (file.fileName == fileName) {
            return file.spoken;
        }
    }
    return false;
}

namespace {

std::string RateChoices() {
    std::string choices;
    for (double rate : SpeechRates) {
        char text[16];
        std::snprintf(text, sizeof text, "%g", rate);
        choices += (choices.empty() ? "" : ", ") + std::string(text);
    }
    return choices;
}

// A rate as written: one of SpeechRates, as a number ("1.5", "2").
bool ReadRate(std::string_view value, int& rate) {
    char* end = nullptr;
    const std::string text(value);
    const double asked = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < SpeechRates.size(); ++i) {
        if (std::abs(SpeechRates[i] - asked) < 1e-9) {
            rate = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

// A level as written: a whole number of dB, 0 or below, a multiple of the step ("-6", "-6dB").
bool ReadLevel(std::string_view value, int& db) {
    if (value.ends_with("dB") || value.ends_with("db")) {
        value.remove_suffix(2);
    }
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), db);
    return !value.empty() && error == std::errc() && end == value.data() + value.size() &&
           db <= 0 && db >= QuietestDb && db % VolumeStepDb == 0;
}

} // namespace

SoundOptions TakeSoundOptions(std::vector<std::string>& arguments) {
    SoundOptions options;
    struct Option {
        std::string_view name;
        bool (*read)(std::string_view, int&);
        int* into;
        std::string choices;
    };
    const Option known[] = {
        {"--speech-rate", ReadRate, &options.settings.rate,
         RateChoices() + " (times the recordings' own pace)"},
        {"--speech-volume", ReadLevel, &options.settings.speechDb,
         "0, -3, -6 ... -30 (dB: 0 is the recordings' own level)"},
        {"--cue-volume", ReadLevel, &options.settings.cueDb,
         "0, -3, -6 ... -30 (dB: 0 is the recordings' own level)"},
    };
    std::vector<std::string> left;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const Option* option = nullptr;
        std::string value;
        bool hasValue = false;
        for (const Option& candidate : known) {
            if (argument == candidate.name) {
                option = &candidate;
                hasValue = i + 1 < arguments.size();
                value = hasValue ? arguments[++i] : std::string();
            } else if (argument.starts_with(std::string(candidate.name) + "=")) {
                option = &candidate;
                hasValue = true;
                value = argument.substr(candidate.name.size() + 1);
            }
        }
        if (argument == StereoCuesOption) {
            options.settings.stereoArrivals = true; // a switch: it takes no value
            continue;
        }
        if (option == nullptr) {
            left.push_back(argument);
            continue;
        }
        if (!hasValue || !option->read(value, *option->into)) {
            options.problem = std::string(option->name) + " takes " + option->choices + "; " +
                              (hasValue ? "not \"" + value + "\"" : "it was given nothing");
            return options;
        }
    }
    arguments = std::move(left);
    return options;
}

std::string UnknownOptions(const std::vector<std::string>& left) {
    if (left.empty()) {
        return {};
    }
    return "no option \"" + left.front() +
           "\"; the options are --speech-rate, --speech-volume, --cue-volume and " +
           std::string(StereoCuesOption);
}

} // namespace tintineables
