#include "sound/mixer_sound_player.h"

#include "sound/audio_engine.h"
#include "sound/run_time_error.h"

namespace tintineables {

namespace {

// Between two joined recordings, as a speaker pauses between words.
constexpr int PauseFrames = AudioEngine::Frequency * JoinedPauseMilliseconds / 1000;
constexpr std::size_t BytesPerFrame = AudioEngine::Channels * 2;

} // namespace

MixerSoundPlayer::MixerSoundPlayer(AudioEngine& engine)
    : engine_(engine), channel_(engine.AcquireChannel()) {}

MixerSoundPlayer::~MixerSoundPlayer() { engine_.ReleaseChannel(channel_); }

void MixerSoundPlayer::Close() {
    engine_.Halt(channel_);
    opened_ = nullptr;
}

const Mix_Chunk* MixerSoundPlayer::Decoded(std::string_view fileName) const {
    const Mix_Chunk* chunk = engine_.Decoded(fileName);
    if (chunk == nullptr) {
        throw RunTimeError("Sound player: cannot open \"" + std::string(fileName) +
                           "\": not one of the game's recordings");
    }
    return chunk;
}

void MixerSoundPlayer::Open(const std::vector<std::string_view>& recordings) {
    if (recordings.size() == 1) {
        opened_ = Decoded(recordings.front());
        return;
    }
    // The buffer is about to be written again: nothing of this channel may still read it.
    engine_.Halt(channel_);
    joined_.clear();
    for (std::string_view name : recordings) {
        const Mix_Chunk* part = Decoded(name);
        if (!joined_.empty()) {
            joined_.insert(joined_.end(), PauseFrames * BytesPerFrame, 0);
        }
        joined_.insert(joined_.end(), part->abuf, part->abuf + part->alen);
    }
    joinedChunk_ =
        Mix_Chunk{0, joined_.data(), static_cast<Uint32>(joined_.size()), MIX_MAX_VOLUME};
    opened_ = &joinedChunk_;
}

void MixerSoundPlayer::Play() {
    if (std::string problem; !engine_.Play(channel_, opened_, problem)) {
        throw RunTimeError("Sound player: cannot play \"" + FileName() + "\": " + problem);
    }
}

} // namespace tintineables
