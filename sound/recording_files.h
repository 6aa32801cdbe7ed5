#pragma once
// Every recording the game plays, as any host must have it at hand: the thirteen cues, then the
// spoken words.
#include <string_view>
#include <vector>

namespace tintineables {

struct RecordingFile {
    std::string_view fileName;
    bool spoken; // in the language's own folder; else an earcon, in the folder itself
};

std::vector<RecordingFile> RecordingFiles();

// Whether a bare file name is one of them.
bool IsRecording(std::string_view fileName);

} // namespace tintineables
