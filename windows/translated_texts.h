#pragma once
// The game's texts in every language it has, made into the program from the same translation
// sources as the desktop's and the page's (assets/translations/*.ts), since Windows has no Qt.
#include "sound/language.h"

#include <string>
#include <vector>

namespace tintineables {

struct TranslatedText {
    const char* language; // its code: "en"
    const char* source;   // the Spanish original, UTF-8
    const char* translation;
};

// Every finished translation of every language (made at build time).
const std::vector<TranslatedText>& TranslatedTexts();

// A text of the design data in the language; the Spanish original for Spanish.
std::string Translate(Language language, const char* source);

} // namespace tintineables
