#pragma once
// The languages the game speaks. Spanish is the original, and the one for any desktop whose
// language the game does not have; every other has its spoken recordings in a folder of its
// own beside the Spanish ones (sounds/en/), and shares the earcons.
#include <string>
#include <string_view>
#include <vector>

namespace tintineables {

enum class Language { Spanish, English, Portuguese, French };

struct LanguageInfo {
    Language language;
    std::string_view name;   // in English, for messages: "Spanish"
    std::string_view code;   // ISO 639-1, as LANGUAGE takes it: "es"
    std::string_view folder; // of its spoken recordings, under the recordings' folder
};

inline constexpr LanguageInfo Languages[] = {
    {Language::Spanish, "Spanish", "es", ""},
    {Language::English, "English", "en", "en"},
    {Language::Portuguese, "Portuguese", "pt", "pt"}, // as spoken in Brazil
    {Language::French, "French", "fr", "fr"},
};

constexpr const LanguageInfo& InfoOf(Language language) {
    return Languages[static_cast<int>(language)];
}

// The first of the languages a desktop or a browser asks for, in its order ("de", "en-GB",
// "pt_BR.UTF-8"), that the game has; Spanish when it has none of them.
Language ChooseLanguage(const std::vector<std::string>& asked);

} // namespace tintineables
