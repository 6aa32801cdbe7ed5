#pragma once
// Speech at another pace and the same pitch, for a player who listens faster than the recordings
// speak: the recording is cut into overlapping frames of 24 ms, and each frame is taken from
// where the faster pace has got to, moved by up to 12 ms to where its waveform best continues
// the frame before (waveform-similarity overlap-add, WSOLA), then laid down a frame's step after
// the one before. A voice's periods are kept whole, and so is its pitch; only the time between
// them shrinks.
#include <atomic>
#include <span>
#include <vector>

namespace tintineables {

// `samples` (one channel at `rate` Hz) `factor` times faster: about size / factor samples. A
// factor of 1 gives the samples back as they are. Gives up, with nothing, once `cancelled` is set
// (a pace changed again before this one was done).
std::vector<float> StretchSpeech(std::span<const float> samples, int rate, double factor,
                                 const std::atomic<bool>* cancelled = nullptr);

} // namespace tintineables
