#!/usr/bin/env python3
"""The game's texts in every language it has, from Qt's translation sources, for the hosts that
have no Qt: the page and the Windows edition.

    texts_from_ts.py OUTPUT.js TINTINEABLES_xx.ts...
    texts_from_ts.py OUTPUT.cpp TINTINEABLES_xx.ts...

For a .js output, a JavaScript module: `export const texts = { en: { "TABLERO": "BOARD", ... },
... };`, keyed by the language's code (the file name's tintineables_<code>.ts) and by the Spanish
original. For a .cpp output, the same as a C++ table (TranslatedTexts, windows/translated_texts.h).
So every host's captions come from the same translations as the desktop's."""
import json
import pathlib
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


def main():
    output, sources = pathlib.Path(sys.argv[1]), sys.argv[2:]
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
