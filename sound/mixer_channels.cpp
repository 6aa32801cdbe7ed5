#include "sound/mixer_channels.h"

#include <SDL2/SDL_mixer.h>

namespace tintineables {

namespace {
constexpr int InitialChannels = 4; // two screens are loaded at once during a change of screen
} // namespace

void MixerChannels::AllocateOnOpen() {
    if (allocated_ == 0) {
        allocated_ = Mix_AllocateChannels(InitialChannels);
        for (int channel = allocated_ - 1; channel >= 0; --channel) {
            free_.push_back(channel);
        }
    } else {
        Mix_AllocateChannels(allocated_); // the players keep the channels they hold
    }
}

int MixerChannels::Acquire(bool deviceOpen) {
    if (free_.empty()) {
        // With no device the mixer has no channels to grow: the reopened device gets them all.
        const int grown = deviceOpen ? Mix_AllocateChannels(allocated_ * 2) : allocated_ * 2;
        for (int channel = grown - 1; channel >= allocated_; --channel) {
            free_.push_back(channel);
        }
        allocated_ = grown;
    }
    const int channel = free_.back();
    free_.pop_back();
    return channel;
}

void MixerChannels::Release(int channel) { free_.push_back(channel); }

} // namespace tintineables
