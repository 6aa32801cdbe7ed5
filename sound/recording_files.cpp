#include "sound/recording_files.h"

#include "sound/sound_cue.h"
#include "sound/spoken_words.h"
#include "sound/sweep_sounds.h"

#include <algorithm>

namespace tintineables {

std::vector<RecordingFile> RecordingFiles(bool withTouch) {
    std::vector<RecordingFile> files;
    for (const SoundCueInfo& info : SoundCueTable) {
        files.push_back({info.fileName, info.spoken});
    }
    for (const SpokenWordInfo& info : SpokenWordTable) {
        files.push_back({info.fileName, true});
    }
    for (const auto& row : {SweepPegFiles, SweepEmptyFiles}) {
        for (std::string_view file : row) {
            files.push_back({file, false});
        }
    }
    files.push_back({SweepCentrePegFile, false});
    files.push_back({SweepCentreEmptyFile, false});
    if (withTouch) {
        for (std::string_view touch :
             {TouchPresentationFile, TouchTutorialFile, TouchCreditsFile}) {
            files.push_back({touch, true});
        }
    }
    return files;
}

bool IsRecording(std::string_view fileName) {
    const std::vector<RecordingFile> files = RecordingFiles(true);
    return std::any_of(files.begin(), files.end(),
                       [&](const RecordingFile& file) { return file.fileName == fileName; });
}

} // namespace tintineables
