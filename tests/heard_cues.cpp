#include "tests/heard_cues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace tintineables::testing {

std::vector<SoundCue> CuesOfFiles(const std::vector<std::string>& files) {
    std::vector<SoundCue> cues;
    for (const std::string& file : files) {
        const auto row = std::find_if(std::begin(HeardCues), std::end(HeardCues),
                                      [&](const HeardCue& heard) { return heard.file == file; });
        if (row == std::end(HeardCues)) {
            ADD_FAILURE() << "the game played \"" << file << "\", which is none of its cues";
        } else {
            cues.push_back(row->cue);
        }
    }
    return cues;
}

} // namespace tintineables::testing
