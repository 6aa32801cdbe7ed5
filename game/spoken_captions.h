#pragma once
// The spoken screens' recordings as words on the screen: each sentence of the presentation, the
// tutorial and the credits (and of their versions for a player who started by touch), in each
// language, with the time it starts in its recording, as the recordings' maker found them. The
// table itself is made at build time from assets/captions.
#include "sound/language.h"

#include <span>
#include <string_view>
#include <vector>

namespace tintineables {

struct TimedSentence {
    int startMilliseconds; // in the recording's own time, whatever the speech's pace
    std::string_view text;
};

struct RecordingCaptions {
    Language language;
    std::string_view recording; // its file name without the extension: "tutorial"
    std::span<const TimedSentence> sentences;
};

const std::vector<RecordingCaptions>& AllRecordingCaptions();

// The sentences of a recording ("tutorial.wav") in a language, in order; none for a recording
// that is not a spoken screen's.
std::span<const TimedSentence> SentencesOf(Language language, std::string_view fileName);

// The sentence being said `seconds` into the recording: the last one started by then (the first
// before any has).
std::size_t SentenceAt(std::span<const TimedSentence> sentences, double seconds);

} // namespace tintineables
