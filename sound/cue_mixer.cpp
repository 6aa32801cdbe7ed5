#include "sound/cue_mixer.h"

#include "sound/sound_player.h"
#include "sound/startup_error.h"
#include "sound/time_stretch.h"

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

namespace {

std::vector<MadeBehind<std::shared_ptr<const std::vector<float>>>::Job>
DecodingJobs(std::vector<Recording> recordings, int rate, CueMixer::Pcm16Decoder decode) {
    std::vector<MadeBehind<std::shared_ptr<const std::vector<float>>>::Job> jobs;
    auto shared = std::make_shared<const CueMixer::Pcm16Decoder>(std::move(decode));
    for (Recording& recording : recordings) {
        const std::size_t size = recording.bytes.size();
        std::string name(recording.fileName);
        jobs.push_back({std::move(name), size,
                        [recording = std::move(recording), rate, shared](const std::atomic<bool>&) {
                            return std::make_shared<const std::vector<float>>(
                                Decode(recording, rate, *shared));
                        }});
    }
    return jobs;
}

} // namespace

CueMixer::CueMixer(std::vector<Recording> recordings, int deviceRate, Pcm16Decoder decodeCompressed,
                   const std::vector<std::string_view>& first)
    : rate_(deviceRate),
      decoded_(DecodingJobs(std::move(recordings), deviceRate, std::move(decodeCompressed)), first,
               !first.empty()) {}

bool CueMixer::Has(std::string_view fileName) const { return decoded_.Has(fileName); }

int CueMixer::SoundsThatWaited() const { return decoded_.SoundsThatWaited(); }

bool CueMixer::AllDecoded() const { return decoded_.AllMade(); }

void CueMixer::SetSoundSettings(const SoundSettings& settings) {
    if (settings.rate != settings_.rate) {
        paced_.reset(); // what it was making for the pace before is given up
        if (settings.rate != 0) {
            std::vector<MadeBehind<Samples>::Job> jobs;
            for (const std::string& name : decoded_.Names()) {
                if (IsSpeech(name)) {
                    jobs.push_back(
                        {name, decoded_.Size(name),
                         [this, name, pace = settings.Rate()](const std::atomic<bool>& stopping) {
                             const Samples source = *decoded_.Await(name);
                             return std::make_shared<const std::vector<float>>(
                                 StretchSpeech(*source, rate_, pace, &stopping));
                         }});
                }
            }
            paced_ = std::make_unique<MadeBehind<Samples>>(std::move(jobs),
                                                           std::vector<std::string_view>{});
        }
    }
    settings_ = settings;
}

CueMixer::Samples CueMixer::Heard(std::string_view fileName) {
    if (paced_ && paced_->Has(fileName)) {
        return *paced_->Get(fileName);
    }
    return *decoded_.Get(fileName);
}

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

void CueMixer::Play(int channel, const std::vector<std::string_view>& fileNames,
                    double fromSeconds) {
    std::vector<Part> parts;
    for (std::string_view written : fileNames) {
        const std::optional<JoinedPart> part = ReadJoinedPart(written);
        if (!part) {
            continue; // the sound player lets no such name through
        }
        const std::size_t pause =
            static_cast<std::size_t>(rate_) * PauseBefore(*part, parts.empty()) / 1000;
        if (pause > 0) {
            parts.push_back({nullptr, pause, 1.0f, 1.0, {}});
        }
        Samples samples = Heard(part->fileName);
        const bool speech = IsSpeech(part->fileName);
        const std::size_t frames = samples->size();
        parts.push_back({std::move(samples), frames,
                         static_cast<float>(GainOf(speech ? settings_.speechDb : settings_.cueDb)),
                         speech ? settings_.Rate() : 1.0, GainsOf(part->place)});
    }
    Change change{channel, false, std::move(parts)};
    if (fromSeconds > 0 && !change.parts.empty()) {
        const Part& first = change.parts.front();
        change.from =
            std::min(first.frames, static_cast<std::size_t>(fromSeconds / first.pace * rate_));
    }
    Make(std::move(change));
}

std::optional<double> CueMixer::Stop(int channel) {
    const std::optional<double> at = Position(channel);
    Make({channel, false, {}});
    return at;
}

std::optional<double> CueMixer::Position(int channel) {
    for (const Change& change : pending_) {
        if (change.channel == channel) {
            return std::nullopt; // a change kept back: what it replaces has not been heard
        }
    }
    const std::lock_guard lock(mutex_);
    const Channel& playing = channels_.at(static_cast<std::size_t>(channel));
    if (playing.parts.size() == 1 && playing.part == 0) {
        return static_cast<double>(playing.frame) / rate_ * playing.parts.front().pace;
    }
    return std::nullopt;
}

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
    // The sounds it played are let go here, on the thread of the keys, never on the device's.
    channel = change.close ? Channel{} : Channel{true, std::move(change.parts), 0, change.from};
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
                // The first two outputs are the left and the right ear; any others (a centre,
                // the rear) get the part as recorded.
                for (std::size_t i = 0; i < count; ++i) {
                    const float sample = from[i] * part.gain;
                    for (std::size_t c = 0; c < width; ++c) {
                        const float ear = width < 2 ? 1.0f
                                          : c == 0  ? part.ears.left
                                          : c == 1  ? part.ears.right
                                                    : 1.0f;
                        out[(at + i) * width + c] += sample * ear;
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
