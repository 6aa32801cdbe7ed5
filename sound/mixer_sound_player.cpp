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
    engine_.StopUnlessReplaced(channel_); // "play" follows at once to cut the cue
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
    // Only the cue last handed to the mixer can still be read by it: the other buffer is free
    // to write, and the cut stays one change to the mixer, as for a single recording.
    const std::size_t free = played_ == &joined_[0].chunk ? 1 : 0;
    JoinedBuffer& joined = joined_[free];
    joined.bytes.clear();
    for (std::string_view name : recordings) {
        const Mix_Chunk* part = Decoded(name);
        if (!joined.bytes.empty()) {
            joined.bytes.insert(joined.bytes.end(), PauseFrames * BytesPerFrame, 0);
        }
        joined.bytes.insert(joined.bytes.end(), part->abuf, part->abuf + part->alen);
    }
    joined.chunk =
        Mix_Chunk{0, joined.bytes.data(), static_cast<Uint32>(joined.bytes.size()), MIX_MAX_VOLUME};
    opened_ = &joined.chunk;
}

void MixerSoundPlayer::Play() {
    if (std::string problem; !engine_.Play(channel_, opened_, problem)) {
        throw RunTimeError("Sound player: cannot play \"" + FileName() + "\": " + problem);
    }
    played_ = opened_;
}

} // namespace tintineables
