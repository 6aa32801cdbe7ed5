#pragma once
// The language the game speaks, chosen as the desktop asks, and the translation of its texts.
#include "sound/language.h"

#include <QTranslator>

#include <filesystem>
#include <memory>
#include <vector>

namespace tintineables {

// The first language the desktop asks for (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG, as Qt
// reads them) that the game has; Spanish when it has none of them.
Language DesktopLanguage();

// The folders of the translations beside the recordings' folders: <folder>/../translations.
std::vector<std::filesystem::path>
TranslationFolders(const std::vector<std::filesystem::path>& recordingFolders);

// The translation of the game's texts into `language`, from the first folder that has it;
// none for Spanish, the language they are written in. StartupError when it cannot be loaded.
std::unique_ptr<QTranslator> LoadTranslation(Language language,
                                             const std::vector<std::filesystem::path>& folders);

} // namespace tintineables
