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
#include "sound/decoding_behind.h"
#include "sound/recordings.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
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
    // How many sounds had to wait for a recording still being decoded; and whether all are.
    int SoundsThatWaited() const;
    bool AllDecoded() const;

    int OpenChannel();
    void CloseChannel(int channel); // stops its sound and gives it back
    // Starts the recordings on the channel from their beginning, back to back, cutting what it
    // sounded. Every name must be one of Has().
    void Play(int channel, const std::vector<std::string_view>& fileNames);
    void Stop(int channel);
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
    struct Part {
        const std::vector<float>* samples; // nullptr: a pause
        std::size_t frames;
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
    };
    void Make(Change change);   // now, or when the hold ends
    void Apply(Change& change); // under the lock
    void Release();

    int rate_;
    DecodingBehind<std::vector<float>> decoded_;
    std::mutex mutex_;
    std::vector<Channel> channels_;
    int held_ = 0;                // thread of the keys only
    std::vector<Change> pending_; // thread of the keys only
};

} // namespace tintineables
