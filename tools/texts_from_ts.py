#!/usr/bin/env python3
"""The game's texts in every language it has, from Qt's translation sources, for the hosts that
have no Qt: the page and the Windows edition.

    texts_from_ts.py OUTPUT.js TINTINEABLES_xx.ts...
    texts_from_ts.py OUTPUT.cpp TINTINEABLES_xx.ts...
    texts_from_ts.py OUTPUT.nsh NAMED_TEXTS.js TINTINEABLES_xx.ts...

For a .js output, a JavaScript module: `export const texts = { en: { "TABLERO": "BOARD", ... },
... };`, keyed by the language's code (the file name's tintineables_<code>.ts) and by the Spanish
original. For a .cpp output, the same as a C++ table (TranslatedTexts, windows/translated_texts.h).
For a .nsh output, the Windows installer's strings (NSIS's LangString) in every language, each
named as in NAMED_TEXTS.js ("name: QT_TRANSLATE_NOOP('tintineables', 'Spanish text')").
So every host's captions come from the same translations as the desktop's."""
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree


def translations(ts_file):
    found = {}
    for message in ElementTree.parse(ts_file).getroot().iter('message'):
        source = message.findtext('source')
        translation = message.find('translation')
        unfinished = translation is not None and translation.get('type') in ('unfinished', 'obsolete', 'vanished')
        if source and translation is not None and translation.text and not unfinished:
            found[source] = translation.text
    return found


# NSIS's names of the game's languages (LoadLanguageFile defines LANG_<NAME>).
NSIS_LANGUAGES = {'es': 'SPANISH', 'en': 'ENGLISH', 'pt': 'PORTUGUESEBR', 'fr': 'FRENCH'}


def nsis_strings(named_texts, ts_files):
    named = re.findall(r"(\w+): QT_TRANSLATE_NOOP\('tintineables', '((?:[^'\\]|\\.)*)'\)",
                       pathlib.Path(named_texts).read_text(encoding='utf-8'))
    texts = {'es': {}}
    for ts_file in ts_files:
        texts[pathlib.Path(ts_file).stem.split('_', 1)[1]] = translations(ts_file)
    lines = []
    for code, language in NSIS_LANGUAGES.items():
        for name, source in named:
            if code != 'es' and source not in texts[code]:
                sys.exit(f'texts_from_ts.py: no {code} translation of "{source}"')
            text = texts[code].get(source, source).replace('"', '$\\"')
            lines.append(f'LangString {name} ${{LANG_{language}}} "{text}"')
    return '\n'.join(lines) + '\n'


def main():
    output, sources = pathlib.Path(sys.argv[1]), sys.argv[2:]
    if output.suffix == '.nsh':
        output.write_text('; Made from the translation sources (assets/translations/*.ts) when the game is built.\n' +
                          nsis_strings(sources[0], sources[1:]), encoding='utf-8')
        return
    texts = {}
    for ts_file in sorted(sources):
        code = pathlib.Path(ts_file).stem.split('_', 1)[1]
        texts[code] = translations(ts_file)
    made = '// Made from the translation sources (assets/translations/*.ts) when the game is built.\n'
    if output.suffix == '.cpp':
        rows = [f'    {{{json.dumps(code)}, {json.dumps(source)}, {json.dumps(translation)}}},'
                for code in sorted(texts) for source, translation in sorted(texts[code].items())]
        output.write_text(made + '#include "windows/translated_texts.h"\n\nnamespace tintineables {\n\n'
                          'const std::vector<TranslatedText>& TranslatedTexts() {\n'
                          '    static const std::vector<TranslatedText> texts = {\n' + '\n'.join(rows) +
                          '\n    };\n    return texts;\n}\n\n} // namespace tintineables\n', encoding='utf-8')
    else:
        output.write_text(made + 'export const texts = ' +
                          json.dumps(texts, ensure_ascii=False, indent=1, sort_keys=True) + ';\n', encoding='utf-8')


if __name__ == '__main__':
    main()
