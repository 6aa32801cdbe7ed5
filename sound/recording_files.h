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

// The spoken screens as a touch host plays them, when the game was started by a touch: the same
// screens, naming gestures where the others name keys. Spoken, one of each in every language.
inline constexpr std::string_view TouchPresentationFile = "presentacion_tactil.wav";
inline constexpr std::string_view TouchTutorialFile = "tutorial_tactil.wav";
inline constexpr std::string_view TouchCreditsFile = "creditos_tactil.wav";

// `withTouch`: the touch screens' recordings too, which only a host with a touch screen loads.
std::vector<RecordingFile> RecordingFiles(bool withTouch = false);

// Whether a bare file name is one of them, the touch screens' included.
bool IsRecording(std::string_view fileName);

} // namespace tintineables
