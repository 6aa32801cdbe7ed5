#include "sound/language.h"

#include <cctype>

namespace tintineables {

Language ChooseLanguage(const std::vector<std::string>& asked) {
    for (const std::string& tag : asked) {
        // The language itself: what comes before a region, a script or an encoding.
        std::string code;
        for (char c : tag) {
            if (c == '-' || c == '_' || c == '.' || c == '@') {
                break;
            }
            code += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        for (const LanguageInfo& info : Languages) {
            if (code == info.code) {
                return info.language;
            }
        }
    }
    return Language::Spanish;
}

} // namespace tintineables
