#pragma once
// Every recording the game plays, as any host must have it at hand: the thirteen cues, the
// spoken words, then the sweeps' sounds.
#include <string_view>
#include <vector>

namespace tintineables {

struct RecordingFile {
    std::string_view fileName;
    bool spoken; // in the language's own folder; else an earcon, in the folder itself
};

// `withTouch`: the touch screens' recordings too (spoken_words.h), which only a host with a touch
// screen loads.
std::vector<RecordingFile> RecordingFiles(bool withTouch = false);

// Whether a bare file name is one of them, the touch screens' included.
bool IsRecording(std::string_view fileName);

} // namespace tintineables
