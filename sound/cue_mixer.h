#pragma once
// The game's own mixer, for a platform that offers only a device to write samples to (Windows'
// WASAPI): every recording decoded once into the device's rate as float samples, those the first
// screen plays before it shows and the rest on a thread of the mixer's own, the shortest first
// (a sound that needs one not yet decoded waits for it, and for it alone); one
// channel to each form's sound player for its whole life, so a cue on one form never stops
// another form's; a new sound on a channel cuts the one before it. Recordings joined in one
// sound play back to back with a speaker's pause between them. Mix() runs on the device's
// thread, everything else on the thread of the keys; they meet under one short lock, which the
// thread of the keys never holds for longer than it takes to copy a change in.
//
// The player's settings (sound_settings.h) hold for every sound started after them: the speech
// and the earcons each at their own loudness, and the speech at its pace, made again behind from
// the decoded recordings when the pace changes (a sound that needs one not made yet waits for it).
#include "sound/joined_parts.h"
#include "sound/made_behind.h"
#include "sound/recordings.h"
#include "sound/sound_settings.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintineables {

class CueMixer {
public:
    // A compressed recording's 16-bit samples, interleaved, at its own rate; StartupError
    // when the platform cannot decode it.
    using Pcm16Decoder = std::function<std::vector<std::int16_t>(const Recording&)>;

    // Decodes the recordings at `deviceRate`, a compressed one through `decodeCompressed`: those
    // named in `first` at once, StartupError for one it cannot take; the others on the mixer's
    // own thread (all at once when `first` is empty). A recording that cannot be decoded there is
    // a RunTimeError when it is played.
    CueMixer(std::vector<Recording> recordings, int deviceRate, Pcm16Decoder decodeCompressed = {},
             const std::vector<std::string_view>& first = {});
    CueMixer(const CueMixer&) = delete;
    CueMixer& operator=(const CueMixer&) = delete;

    int Rate() const { return rate_; }
    // Whether a bare file name is one of the recordings, decoded or not yet.
    bool Has(std::string_view fileName) const;
    // How many sounds had to wait for a recording still being decoded (the speech made again at a
    // new pace is waited for too, by the first words at that pace, but not counted here); and
    // whether all are decoded.
    int SoundsThatWaited() const;
    bool AllDecoded() const;

    // From now on: the speech at this pace, the speech and the earcons at these levels.
    void SetSoundSettings(const SoundSettings& settings);

    int OpenChannel();
    void CloseChannel(int channel); // stops its sound and gives it back
    // Starts the recordings on the channel back to back, the first `fromSeconds` into it (in its
    // own seconds, whatever its pace), cutting what the channel sounded. Every name must be one
    // of Has().
    void Play(int channel, const std::vector<std::string_view>& fileNames,
              double fromSeconds = 0.0);
    // Stops the channel's sound; when it was a single recording cut short, how far into it that
    // had got, in its own seconds.
    std::optional<double> Stop(int channel);
    // How far into the single recording the channel sounds it has got, in the recording's own
    // seconds; none when it sounds nothing, or recordings joined.
    std::optional<double> Position(int channel);
    bool Playing(int channel);

    // Keeps every change to the channels back for as long as it lives, and then makes them all at
    // once, so that what one key changes (a form's sound stopped, the next form's started)
    // reaches the device in one period: on its own, a period mixed between the two would sound
    // both at once. The device goes on meanwhile with the sound as it was: a key that moves
    // windows about (slow under Wine, which asks the X server) never keeps it waiting. Holds
    // nest; thread of the keys only.
    class ChangesHeld {
    public:
        explicit ChangesHeld(CueMixer& mixer) : mixer_(mixer) { ++mixer_.held_; }
        ChangesHeld(const ChangesHeld&) = delete;
        ChangesHeld& operator=(const ChangesHeld&) = delete;
        ~ChangesHeld() { mixer_.Release(); }

    private:
        CueMixer& mixer_;
    };
    [[nodiscard]] ChangesHeld HoldChanges() { return ChangesHeld(*this); }

    // Adds the next `frames` frames of every channel into `out`, `channels` samples a frame, the
    // same on each, clipped to [-1, 1]; what is silent stays 0.
    void Mix(float* out, std::size_t frames, int channels);

private:
    using Samples = std::shared_ptr<const std::vector<float>>;
    struct Part {
        Samples samples; // none: a pause
        std::size_t frames = 0;
        float gain = 1.0f;
        double pace = 1.0; // recorded seconds a second
        EarGains ears;     // where it is heard, by two ears or more
    };
    struct Channel {
        bool open = false;
        std::vector<Part> parts;
        std::size_t part = 0;  // playing now
        std::size_t frame = 0; // within it
    };

    // A change to one channel: a sound to play (parts), a stop (no parts), or its closing.
    struct Change {
        int channel;
        bool close;
        std::vector<Part> parts;
        std::size_t from = 0; // the first part's first frame
    };
    void Make(Change change);   // now, or when the hold ends
    void Apply(Change& change); // under the lock
    void Release();

    // A recording as it is to be heard now: decoded, and at the speech's pace if it is speech.
    Samples Heard(std::string_view fileName);

    int rate_;
    MadeBehind<Samples> decoded_;
    SoundSettings settings_;                     // thread of the keys only
    std::unique_ptr<MadeBehind<Samples>> paced_; // the speech at settings_' pace, if not 1
    std::mutex mutex_;
    std::vector<Channel> channels_;
    int held_ = 0;                // thread of the keys only
    std::vector<Change> pending_; // thread of the keys only
};

} // namespace tintineables
