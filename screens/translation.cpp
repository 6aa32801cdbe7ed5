#include "screens/translation.h"

#include "sound/recordings.h"
#include "sound/startup_error.h"

#include <QLocale>
#include <QStringList>

#include <string>

namespace tintineables {

namespace fs = std::filesystem;

Language DesktopLanguage() {
    std::vector<std::string> asked;
    for (const QString& name : QLocale::system().uiLanguages()) {
        asked.push_back(name.toStdString());
    }
    return ChooseLanguage(asked);
}

std::vector<fs::path> TranslationFolders(const std::vector<fs::path>& recordingFolders) {
    std::vector<fs::path> folders;
    for (const fs::path& folder : recordingFolders) {
        folders.push_back(folder.parent_path() / "translations");
    }
    return folders;
}

std::unique_ptr<QTranslator> LoadTranslation(Language language,
                                             const std::vector<fs::path>& folders) {
    if (language == Language::Spanish) {
        return nullptr;
    }
    const std::string file = "tintineables_" + std::string(InfoOf(language).code) + ".qm";
    for (const fs::path& folder : folders) {
        const fs::path candidate = folder / file;
        std::error_code error;
        if (fs::exists(candidate, error)) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(QString::fromStdString(candidate.string()))) {
                throw StartupError(candidate.string() + ": not a translation Qt can load");
            }
            return translator;
        }
    }
    throw StartupError(file + ": missing\n" + DescribeSearch(folders, language));
}

} // namespace tintineables
