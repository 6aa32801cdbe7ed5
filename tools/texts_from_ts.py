#!/usr/bin/env python3
"""The page's texts in every language the game has, from Qt's translation sources.

    texts_from_ts.py OUTPUT.js TINTINEABLES_xx.ts...

Writes a JavaScript module: `export const texts = { en: { "TABLERO": "BOARD", ... }, ... };`,
keyed by the language's code (the file name's tintineables_<code>.ts) and by the Spanish
original, so the page's captions come from the same translations as the desktop's."""
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
    output.write_text('// Made from the translation sources (assets/translations/*.ts) when the page is built.\n'
                      'export const texts = ' + json.dumps(texts, ensure_ascii=False, indent=1, sort_keys=True) + ';\n',
                      encoding='utf-8')


if __name__ == '__main__':
    main()
