#include "sound/mixer_sound_player.h"

#include "sound/audio_engine.h"
#include "sound/joined_parts.h"
#include "sound/run_time_error.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tintineables {

namespace {

constexpr std::size_t BytesPerFrame = AudioEngine::Channels * 2;

int LevelOf(int db) { return static_cast<int>(std::lround(GainOf(db) * MIX_MAX_VOLUME)); }

} // namespace

MixerSoundPlayer::MixerSoundPlayer(AudioEngine& engine)
    : engine_(engine), channel_(engine.AcquireChannel()) {}

MixerSoundPlayer::~MixerSoundPlayer() { engine_.ReleaseChannel(channel_); }

std::optional<double> MixerSoundPlayer::Heard() const {
    if (played_ == nullptr || !played_->single || !engine_.Playing(channel_)) {
        return std::nullopt;
    }
    // Counted in the frames mixed since, not by the clock on the wall: what the device took is
    // what was heard.
    const double heard =
        static_cast<double>(engine_.MixedFrames() - playedAtFrame_) / AudioEngine::Frequency;
    return playedFrom_ + heard * played_->pace;
}

std::optional<double> MixerSoundPlayer::Close() {
    const std::optional<double> at = Heard();
    engine_.StopUnlessReplaced(channel_); // "play" follows at once to cut the cue
    opened_ = nullptr;
    return at;
}

void MixerSoundPlayer::Open(const std::vector<std::string_view>& recordings) {
    std::vector<AudioEngine::Heard> heard;
    std::vector<JoinedPart> parts;
    for (std::string_view written : recordings) {
        const std::optional<JoinedPart> part = ReadJoinedPart(written);
        if (part) {
            heard.push_back(engine_.HeardNow(part->fileName));
        }
        if (!part || heard.back().samples == nullptr) {
            throw RunTimeError("Sound player: cannot open \"" + std::string(written) +
                               "\": not one of the game's recordings");
        }
        parts.push_back(*part);
    }
    // Only the sound last handed to the mixer can still be read by it: the other one is free to
    // write, and the cut stays one change to the mixer.
    Sound& sound = sounds_[played_ == &sounds_[0] ? 1 : 0];
    const SoundSettings& settings = engine_.Sound();
    const JoinedPart& first = parts.front();
    sound.single = heard.size() == 1 && !first.place && PauseBefore(first, true) == 0;
    if (sound.single) {
        // Read where it lies, at the mixer's loudness for it.
        sound.joined.clear();
        sound.kept = heard.front().kept;
        sound.pace = heard.front().pace;
        sound.chunk = Mix_Chunk{
            0, const_cast<Uint8*>(heard.front().samples), heard.front().bytes,
            static_cast<Uint8>(LevelOf(heard.front().speech ? settings.speechDb : settings.cueDb))};
        opened_ = &sound;
        return;
    }
    sound.joined.clear();
    sound.kept = nullptr;
    sound.pace = 1.0;
    for (std::size_t p = 0; p < heard.size(); ++p) {
        const AudioEngine::Heard& part = heard[p];
        const std::size_t pauseFrames =
            static_cast<std::size_t>(AudioEngine::Frequency) * PauseBefore(parts[p], p == 0) / 1000;
        sound.joined.insert(sound.joined.end(), pauseFrames * BytesPerFrame, 0);
        const double gain = GainOf(part.speech ? settings.speechDb : settings.cueDb);
        const EarGains ears = GainsOf(parts[p].place);
        const std::size_t at = sound.joined.size();
        sound.joined.insert(sound.joined.end(), part.samples, part.samples + part.bytes);
        if (gain == 1.0 && !parts[p].place) {
            continue;
        }
        // Frames of two samples, the left ear's first, each rounded half away from zero as
        // lround does, inline: a sweep scales some 140,000 samples on the key's own path.
        const double earGain[AudioEngine::Channels] = {gain * ears.left, gain * ears.right};
        for (std::size_t i = at; i + 1 < sound.joined.size(); i += 2) {
            std::int16_t sample = 0;
            std::memcpy(&sample, &sound.joined[i], 2);
            const double scaled = sample * earGain[(i - at) / 2 % 2];
            sample = static_cast<std::int16_t>(scaled + (scaled < 0 ? -0.5 : 0.5));
            std::memcpy(&sound.joined[i], &sample, 2);
        }
    }
    sound.chunk =
        Mix_Chunk{0, sound.joined.data(), static_cast<Uint32>(sound.joined.size()), MIX_MAX_VOLUME};
    opened_ = &sound;
}

void MixerSoundPlayer::Play(double fromSeconds) {
    if (opened_ == nullptr) {
        throw RunTimeError("Sound player: cannot play \"" + FileName() + "\": nothing is open");
    }
    Mix_Chunk chunk = opened_->chunk;
    if (fromSeconds > 0) {
        const auto skipped =
            std::min<std::size_t>(chunk.alen, static_cast<std::size_t>(fromSeconds / opened_->pace *
                                                                       AudioEngine::Frequency) *
                                                  BytesPerFrame);
        chunk.abuf += skipped;
        chunk.alen -= static_cast<Uint32>(skipped);
    }
    opened_->chunk = chunk;
    if (std::string problem; !engine_.Play(channel_, &opened_->chunk, problem)) {
        throw RunTimeError("Sound player: cannot play \"" + FileName() + "\": " + problem);
    }
    played_ = opened_;
    playedAtFrame_ = engine_.MixedFrames();
    playedFrom_ = fromSeconds;
}

} // namespace tintineables
