#include "game/spoken_captions.h"

#include <algorithm>

namespace tintineables {

std::span<const TimedSentence> SentencesOf(Language language, std::string_view fileName) {
    const std::string_view stem = fileName.substr(0, fileName.rfind('.'));
    for (const RecordingCaptions& captions : AllRecordingCaptions()) {
        if (captions.language == language && captions.recording == stem) {
            return captions.sentences;
        }
    }
    return {};
}

std::size_t SentenceAt(std::span<const TimedSentence> sentences, double seconds) {
    const auto started = std::upper_bound(
        sentences.begin(), sentences.end(), seconds * 1000.0,
        [](double at, const TimedSentence& sentence) { return at < sentence.startMilliseconds; });
    return started == sentences.begin() ? 0
                                        : static_cast<std::size_t>(started - sentences.begin() - 1);
}

} // namespace tintineables
