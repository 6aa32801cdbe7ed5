// What a player reads, or hears from a screen reader, on every screen in each language the game
// has: each window's title and each control's caption and accessible name must be that
// language's own entry in its translation source, never the Spanish original left in by a
// missing or unfinished entry. Spanish, the original, shows the source texts themselves.
#include "screens/translation.h"
#include "tests/screen_harness.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace tintineables::testing {
namespace {

// A language's translation source: each source text and its finished translation ("" when the
// entry is empty or marked unfinished, vanished or obsolete).
std::map<QString, QString> TranslationSource(std::string_view code) {
    const QString file = QStringLiteral(TINTINEABLES_TRANSLATION_SOURCES "/tintineables_%1.ts")
                             .arg(QString::fromUtf8(code.data(), static_cast<int>(code.size())));
    QFile ts(file);
    EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << file.toStdString();
    std::map<QString, QString> entries;
    QXmlStreamReader xml(&ts);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QStringLiteral("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QStringLiteral("translation")) {
            const bool finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            const QString text = xml.readElementText();
            entries[source] = finished ? text : QString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << file.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

// Every text of the four screens, by where it stands ("Form1 Command9, accessible name").
std::map<std::string, std::string> TextsOfEveryScreen() {
    ScreenHarness h;
    h.Start();
    std::map<std::string, std::string> texts;
    auto takeTexts = [&] {
        QWidget* window = h.LoadedWindow();
        const std::string form = window->objectName().toStdString();
        texts[form + ", title"] = window->windowTitle().toStdString();
        texts[form + ", accessible name"] =
            QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name).toStdString();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const std::string where = form + " " + control->objectName().toStdString();
            // A text that is the control's own name ("Command9", the hidden buttons' captions
            // and names) is the same in every language; any other is one to translate.
            auto keep = [&](const char* what, const QString& text) {
                if (!text.isEmpty() && text != control->objectName()) {
                    texts[where + what] = text.toStdString();
                }
            };
            keep(", accessible name",
                 QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name));
            if (auto* button = qobject_cast<QPushButton*>(control)) {
                keep(", caption", button->text());
            }
        }
    };
    takeTexts(); // the menu
    for (Qt::Key key : {Qt::Key_F1, Qt::Key_F3, Qt::Key_F2}) {
        h.Press(key);
        takeTexts();
    }
    return texts;
}

TEST(Captions, EveryTitleAndNameIsTheLanguagesOwnTranslation) {
    const std::map<std::string, std::string> spanish = TextsOfEveryScreen();
    ASSERT_EQ(spanish.at("Form1 Command9, accessible name"), "Sonido del centro con bola");
    ASSERT_EQ(spanish.at("Form4, title"), "CRÉDITOS");
    for (const LanguageInfo& language : Languages) {
        if (language.language == Language::Spanish) {
            continue;
        }
        SCOPED_TRACE(std::string(language.name));
        const std::map<QString, QString> entries = TranslationSource(language.code);
        std::unique_ptr<QTranslator> translator =
            LoadTranslation(language.language, {TINTINEABLES_TRANSLATIONS_BUILT});
        ASSERT_TRUE(translator);
        QCoreApplication::installTranslator(translator.get());
        const std::map<std::string, std::string> shown = TextsOfEveryScreen();
        QCoreApplication::removeTranslator(translator.get());
        ASSERT_EQ(shown.size(), spanish.size());
        for (const auto& [where, source] : spanish) {
            const auto entry = entries.find(QString::fromStdString(source));
            const std::string translation =
                entry == entries.end() ? std::string() : entry->second.toStdString();
            EXPECT_FALSE(translation.empty())
                << language.name << " has no translation of \"" << source << "\" (" << where
                << ") in tintineables_" << language.code << ".ts";
            EXPECT_EQ(shown.at(where), translation) << language.name << ", " << where;
        }
    }
}

} // namespace
} // namespace tintineables::testing
