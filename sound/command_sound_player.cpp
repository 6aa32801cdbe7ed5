#include "sound/command_sound_player.h"

#include "sound/run_time_error.h"

#include <algorithm>
#include <cctype>

namespace tintineables {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::vector<std::string_view> SplitJoined(std::string_view fileNames) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0; start <= fileNames.size();) {
        std::size_t end = fileNames.find(JoinedFileSeparator, start);
        end = end == std::string_view::npos ? fileNames.size() : end;
        parts.push_back(fileNames.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

void CommandSoundPlayer::SetString(int dispatchId, std::string_view value) {
    switch (dispatchId) {
    case DispatchId::DeviceType:
        if (Lower(value) != "waveaudio") {
            throw RunTimeError("Sound player: unsupported device type \"" + std::string(value) +
                               "\"");
        }
        deviceType_ = value;
        return;
    case DispatchId::FileName:
        fileName_ = value;
        return;
    case DispatchId::Command:
        RunCommand(Lower(value));
        return;
    default:
        throw RunTimeError("Sound player: no setting with dispatch id " +
                           std::to_string(dispatchId));
    }
}

void CommandSoundPlayer::RunCommand(std::string_view command) {
    if (command == "close") {
        // Harmless with nothing open; a recording cut short is remembered, to resume.
        if (const std::optional<double> at = Close(); at && !playing_.empty()) {
            cutAt_[playing_] = *at;
        }
        playing_.clear();
        opened_ = false;
    } else if (command == "open") {
        if (deviceType_.empty()) {
            throw RunTimeError("Sound player: \"open\" before a device type was set");
        }
        Open(SplitJoined(fileName_));
        opened_ = true;
    } else if (command == "play") {
        if (!opened_) {
            throw RunTimeError("Sound player: \"play\" with nothing open");
        }
        Start(0.0);
    } else if (command == "resume") {
        if (!opened_) {
            throw RunTimeError("Sound player: \"resume\" with nothing open");
        }
        const auto cut = cutAt_.find(fileName_);
        Start(cut == cutAt_.end() ? 0.0 : cut->second);
    } else if (command == "prev") {
        // Rewinds the opened sound to its start for the next "play"; it does not touch a sound
        // that is playing. Right after "play" the sound is at its start already, and a restart
        // a few frames in would be heard as a stutter.
        if (!opened_) {
            throw RunTimeError("Sound player: \"prev\" with nothing open");
        }
    } else {
        throw RunTimeError("Sound player: unknown command \"" + std::string(command) + "\"");
    }
}

std::optional<PlayerPosition> CommandSoundPlayer::Position() const {
    if (playing_.empty()) {
        return std::nullopt;
    }
    const std::optional<double> heard = Heard();
    return heard ? std::optional<PlayerPosition>({playing_, *heard}) : std::nullopt;
}

void CommandSoundPlayer::Start(double fromSeconds) {
    Play(fromSeconds);
    playing_ = fileName_;
    cutAt_.erase(fileName_); // heard on from here: a later cut says where anew
}

} // namespace tintineables
