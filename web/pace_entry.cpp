// The speech at another pace for the page's worker (pace_worker.js): the game's own time-stretch,
// in a WebAssembly of its own, so that making the speech again never holds the page's thread,
// where the keys are taken. The worker writes a recording's samples into the room it asks for,
// then asks for them at a pace, and reads the result back.
#include "sound/time_stretch.h"

#include <emscripten/emscripten.h>

#include <vector>

using namespace tintineables;

namespace {

std::vector<float>& Samples() {
    static std::vector<float> samples;
    return samples;
}

std::vector<float>& Paced() {
    static std::vector<float> paced;
    return paced;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE float* tintineables_pace_room(int samples) {
    Samples().assign(static_cast<std::size_t>(samples), 0.0f);
    return Samples().data();
}

// The samples written, at `rate` Hz, `factor` times faster; how many there are now, at
// tintineables_paced().
EMSCRIPTEN_KEEPALIVE int tintineables_pace(int rate, double factor) {
    Paced() = StretchSpeech(Samples(), rate, factor);
    return static_cast<int>(Paced().size());
}

EMSCRIPTEN_KEEPALIVE float* tintineables_paced(void) { return Paced().data(); }
}
