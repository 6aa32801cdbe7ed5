#include "windows/translated_texts.h"

#include <cstring>

namespace tintineables {

std::string Translate(Language language, const char* source) {
    const std::string_view code = InfoOf(language).code;
    for (const TranslatedText& text : TranslatedTexts()) {
        if (code == text.language && std::strcmp(source, text.source) == 0) {
            return text.translation;
        }
    }
    return source;
}

} // namespace tintineables
