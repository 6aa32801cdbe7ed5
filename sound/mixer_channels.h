#pragma once
#include <vector>

namespace tintineables {

// The mixer's channels: one to each sound player for its whole life, so that a cue on one
// form never stops another form's. Not locked: the engine calls it under its device lock.
class MixerChannels {
public:
    // A device was just opened: the mixer allocates its channels afresh, and every player keeps
    // the channel it holds.
    void AllocateOnOpen();
    // A channel of its own for a player; more are allocated when none is free.
    int Acquire(bool deviceOpen);
    void Release(int channel);

private:
    std::vector<int> free_;
    int allocated_ = 0;
};

} // namespace tintineables
