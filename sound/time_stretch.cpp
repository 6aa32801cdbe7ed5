#include "sound/time_stretch.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace tintineables {

namespace {

// The search compares waveforms at a eighth of the rate (6 kHz at 48 kHz): enough to line up a
// voice's periods, which lie below 1 kHz, at an eighth of the work; the best place found is then
// refined at the full rate.
constexpr std::size_t Coarse = 8;

// Mean of each block of Coarse samples: the waveform at the coarse rate.
std::vector<float> Decimated(std::span<const float> samples) {
    std::vector<float> coarse(samples.size() / Coarse);
    for (std::size_t i = 0; i < coarse.size(); ++i) {
        float sum = 0;
        for (std::size_t j = 0; j < Coarse; ++j) {
            sum += samples[i * Coarse + j];
        }
        coarse[i] = sum / Coarse;
    }
    return coarse;
}

// How alike two stretches of `length` samples are, by their normalised cross-correlation, -1..1.
double Likeness(const float* a, const float* b, std::size_t length) {
    double cross = 0, energyA = 0, energyB = 0;
    for (std::size_t i = 0; i < length; ++i) {
        cross += static_cast<double>(a[i]) * b[i];
        energyA += static_cast<double>(a[i]) * a[i];
        energyB += static_cast<double>(b[i]) * b[i];
    }
    const double energy = std::sqrt(energyA * energyB);
    return energy > 1e-12 ? cross / energy : 0.0;
}

} // namespace

std::vector<float> StretchSpeech(std::span<const float> samples, int rate, double factor,
                                 const std::atomic<bool>* cancelled) {
    if (factor == 1.0 || samples.empty()) {
        return {samples.begin(), samples.end()};
    }
    const auto frame = static_cast<std::size_t>(rate) * 24 / 1000 / (2 * Coarse) * (2 * Coarse);
    const std::size_t step = frame / 2; // frames overlap by half: their windows sum to one
    const auto reach = static_cast<std::ptrdiff_t>(rate * 12 / 1000); // how far a frame may move
    const auto size = static_cast<std::ptrdiff_t>(samples.size());
    const auto outputSize =
        static_cast<std::size_t>(std::ceil(static_cast<double>(samples.size()) / factor));

    std::vector<float> window(frame);
    for (std::size_t i = 0; i < frame; ++i) {
        window[i] = static_cast<float>(
            0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / frame));
    }
    // The input, with a frame of silence after it, so that every frame reads whole.
    std::vector<float> input(samples.begin(), samples.end());
    input.resize(samples.size() + frame + static_cast<std::size_t>(reach) * 2 + Coarse, 0.0f);
    const std::vector<float> coarse = Decimated(input);

    std::vector<float> output(outputSize + frame, 0.0f);
    std::ptrdiff_t previous = 0; // where the last frame was taken from
    for (std::size_t at = 0; at < outputSize; at += step) {
        if (cancelled != nullptr && cancelled->load(std::memory_order_relaxed)) {
            return {};
        }
        std::ptrdiff_t from = 0;
        if (at > 0) {
            // Where the last frame's second half would have gone on, had the pace not changed:
            // the waveform the next frame's first half should be most like.
            const std::ptrdiff_t natural = previous + static_cast<std::ptrdiff_t>(step);
            const auto nominal =
                static_cast<std::ptrdiff_t>(std::llround(static_cast<double>(at) * factor));
            const std::ptrdiff_t lowest = std::max<std::ptrdiff_t>(0, nominal - reach);
            const std::ptrdiff_t highest = std::min<std::ptrdiff_t>(size, nominal + reach);
            std::ptrdiff_t best = std::clamp(nominal, lowest, highest);
            double bestLikeness = -2;
            for (std::ptrdiff_t candidate = lowest / static_cast<std::ptrdiff_t>(Coarse);
                 candidate * static_cast<std::ptrdiff_t>(Coarse) <= highest; ++candidate) {
                const double likeness =
                    Likeness(&coarse[static_cast<std::size_t>(natural) / Coarse],
                             &coarse[static_cast<std::size_t>(candidate)], step / Coarse);
                if (likeness > bestLikeness) {
                    bestLikeness = likeness;
                    best = candidate * static_cast<std::ptrdiff_t>(Coarse);
                }
            }
            // Refined at the full rate, within a coarse step either way.
            const std::ptrdiff_t coarseBest = best;
            bestLikeness = -2;
            for (std::ptrdiff_t candidate =
                     std::max<std::ptrdiff_t>(0, coarseBest - static_cast<std::ptrdiff_t>(Coarse));
                 candidate <= std::min(size, coarseBest + static_cast<std::ptrdiff_t>(Coarse));
                 ++candidate) {
                const double likeness = Likeness(&input[static_cast<std::size_t>(natural)],
                                                 &input[static_cast<std::size_t>(candidate)], step);
                if (likeness > bestLikeness) {
                    bestLikeness = likeness;
                    best = candidate;
                }
            }
            from = best;
        }
        for (std::size_t i = 0; i < frame; ++i) {
            output[at + i] += input[static_cast<std::size_t>(from) + i] * window[i];
        }
        previous = from;
    }
    // The first half frame had no frame before it to add up to one with.
    for (std::size_t i = 0; i < std::min(step, outputSize); ++i) {
        output[i] = input[i];
    }
    output.resize(outputSize);
    return output;
}

} // namespace tintineables
