#include "sound/cue_mixer.h"

#include "sound/sound_player.h"
#include "sound/startup_error.h"

#include <algorithm>
#include <cmath>

namespace tintineables {

namespace {

// A recording's samples, its channels averaged to one, at `rate`. Recordings are made at the
// device's usual rate (48 kHz), where nothing is resampled; at another rate each sample is
// interpolated between its two neighbours.
std::vector<float> Decode(const Recording& recording, int rate,
                          const CueMixer::Pcm16Decoder& decodeCompressed) {
    const WaveFormat& format = recording.format;
    std::vector<std::int16_t> pcm;
    if (format.formatTag == WaveMpegLayer3) {
        if (!decodeCompressed) {
            throw StartupError(recording.path.string() +
                               ": compressed (MPEG layer 3), which only Windows decodes");
        }
        pcm = decodeCompressed(recording);
    } else {
        pcm = Pcm16Samples(recording.bytes, format);
    }
    if (pcm.empty() || format.channels < 1 || format.sampleRate < 1) {
        throw StartupError(recording.path.string() + ": not 16-bit PCM, which the game plays");
    }
    const std::size_t frames = pcm.size() / static_cast<std::size_t>(format.channels);
    std::vector<float> mono(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        float sum = 0;
        for (int c = 0; c < format.channels; ++c) {
            sum += pcm[i * static_cast<std::size_t>(format.channels) + static_cast<std::size_t>(c)];
        }
        mono[i] = sum / (32768.0f * static_cast<float>(format.channels));
    }
    if (format.sampleRate == rate) {
        return mono;
    }
    const double step = static_cast<double>(format.sampleRate) / rate;
    std::vector<float> resampled(static_cast<std::size_t>(std::floor((frames - 1) / step)) + 1);
    for (std::size_t i = 0; i < resampled.size(); ++i) {
        const double at = static_cast<double>(i) * step;
        const auto before = static_cast<std::size_t>(at);
        const std::size_t after = std::min(before + 1, frames - 1);
        const auto weight = static_cast<float>(at - static_cast<double>(before));
        resampled[i] = mono[before] * (1 - weight) + mono[after] * weight;
    }
    return resampled;
}

} // namespace

CueMixer::CueMixer(std::vector<Recording> recordings, int deviceRate, Pcm16Decoder decodeCompressed,
                   const std::vector<std::string_view>& first)
    : rate_(deviceRate),
      decoded_(
          std::move(recordings),
          [deviceRate, decode = std::move(decodeCompressed)](const Recording& recording) {
              return Decode(recording, deviceRate, decode);
          },
          first) {}

bool CueMixer::Has(std::string_view fileName) const { return decoded_.Has(fileName); }

int CueMixer::SoundsThatWaited() const { return decoded_.SoundsThatWaited(); }

bool CueMixer::AllDecoded() const { return decoded_.AllDecoded(); }

int CueMixer::OpenChannel() {
    const std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        if (!channels_[i].open) {
            channels_[i] = Channel{true, {}, 0, 0};
            return static_cast<int>(i);
        }
    }
    channels_.push_back(Channel{true, {}, 0, 0});
    return static_cast<int>(channels_.size() - 1);
}

void CueMixer::CloseChannel(int channel) { Make({channel, true, {}}); }

void CueMixer::Play(int channel, const std::vector<std::string_view>& fileNames) {
    std::vector<Part> parts;
    const std::size_t pause = static_cast<std::size_t>(rate_) * JoinedPauseMilliseconds / 1000;
    for (std::string_view name : fileNames) {
        const std::vector<float>& samples = *decoded_.Get(name);
        if (!parts.empty()) {
            parts.push_back({nullptr, pause});
        }
        parts.push_back({&samples, samples.size()});
    }
    Make({channel, false, std::move(parts)});
}

void CueMixer::Stop(int channel) { Make({channel, false, {}}); }

bool CueMixer::Playing(int channel) {
    // A change kept back answers for its channel as if made.
    for (auto change = pending_.rbegin(); change != pending_.rend(); ++change) {
        if (change->channel == channel) {
            return !change->close && !change->parts.empty();
        }
    }
    const std::lock_guard lock(mutex_);
    const Channel& playing = channels_.at(static_cast<std::size_t>(channel));
    return playing.part < playing.parts.size();
}

void CueMixer::Make(Change change) {
    if (held_ > 0) {
        pending_.push_back(std::move(change));
        return;
    }
    const std::lock_guard lock(mutex_);
    Apply(change);
}

void CueMixer::Apply(Change& change) {
    Channel& channel = channels_.at(static_cast<std::size_t>(change.channel));
    channel = change.close ? Channel{} : Channel{true, std::move(change.parts), 0, 0};
}

void CueMixer::Release() {
    if (--held_ > 0 || pending_.empty()) {
        return;
    }
    std::vector<Change> changes = std::move(pending_);
    pending_.clear();
    const std::lock_guard lock(mutex_);
    for (Change& change : changes) {
        Apply(change);
    }
}

void CueMixer::Mix(float* out, std::size_t frames, int channels) {
    const auto width = static_cast<std::size_t>(channels);
    std::fill(out, out + frames * width, 0.0f);
    const std::lock_guard lock(mutex_);
    for (Channel& channel : channels_) {
        std::size_t at = 0;
        while (at < frames && channel.part < channel.parts.size()) {
            const Part& part = channel.parts[channel.part];
            const std::size_t count = std::min(frames - at, part.frames - channel.frame);
            if (part.samples != nullptr) {
                const float* from = part.samples->data() + channel.frame;
                for (std::size_t i = 0; i < count; ++i) {
                    for (std::size_t c = 0; c < width; ++c) {
                        out[(at + i) * width + c] += from[i];
                    }
                }
            }
            at += count;
            channel.frame += count;
            if (channel.frame == part.frames) {
                ++channel.part;
                channel.frame = 0;
            }
        }
    }
    for (std::size_t i = 0; i < frames * width; ++i) {
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    }
}

} // namespace tintineables
