#!/usr/bin/env python3
"""Every link between the project's documents resolves: README.md and every Markdown file under
doc/, each link and picture to a file that exists in the checkout and, with an anchor, to a
heading of that file (by the identifiers pandoc gives headings, which the HTML manual carries).
The manual's pages link to each other as the HTML they become (es.html), made from es.md beside
them. Links to other sites are not followed (no network here).

    document_links.py SOURCE_FOLDER"""
import pathlib
import re
import sys
import unicodedata

LINK = re.compile(r'!?\[(?:[^\]\\]|\\.)*\]\(([^)\s]+)(?:\s+"[^"]*")?\)')


def without_code(text):
    """The text with fenced and indented code blocks and inline code taken out."""
    text = re.sub(r'^```.*?^```', '', text, flags=re.S | re.M)
    text = re.sub(r'^(?: {4}|\t).*$', '', text, flags=re.M)
    return re.sub(r'`[^`\n]*`', '', text)


def identifier(heading):
    """The identifier pandoc gives a heading: its words, lowercase, joined by hyphens, keeping
    letters, digits, underscores, hyphens and periods; nothing before the first letter."""
    text = re.sub(r'\[([^\]]*)\]\([^)]*\)', r'\1', heading).replace('`', '').replace('*', '')
    kept = ''.join(c for c in text if c in ' _-.' or unicodedata.category(c)[0] in 'LN')
    kept = re.sub(r'\s+', '-', kept.strip()).lower()
    start = next((i for i, c in enumerate(kept) if unicodedata.category(c)[0] == 'L'), len(kept))
    return kept[start:] or 'section'


def anchors(path):
    found = set()
    for line in without_code(path.read_text(encoding='utf-8')).splitlines():
        match = re.match(r'^#{1,6}\s+(.*?)\s*#*\s*$', line)
        if match:
            base = identifier(match.group(1))
            name, n = base, 0
            while name in found:
                n += 1
                name = f'{base}-{n}'
            found.add(name)
    return found


def main(root):
    root = pathlib.Path(root).resolve()
    documents = [root / 'README.md', *sorted((root / 'doc').rglob('*.md'))]
    problems, links = [], 0
    for document in documents:
        for target in LINK.findall(without_code(document.read_text(encoding='utf-8'))):
            if re.match(r'^[a-z][a-z0-9+.-]*:', target):
                continue  # another site, or mail
            links += 1
            where = f'{document.relative_to(root)}: ({target})'
            file_part, _, anchor = target.partition('#')
            path = (document.parent / file_part).resolve() if file_part else document
            if file_part.endswith('.html') and not path.exists():
                path = path.with_suffix('.md')  # a page the build makes from this source
            if root not in path.parents and path != root:
                problems.append(f'{where} leads out of the project')
            elif not path.exists():
                problems.append(f'{where}: no such file')
            elif anchor and (path.suffix != '.md' or anchor not in anchors(path)):
                problems.append(f'{where}: no heading "#{anchor}" in {path.relative_to(root)}')
    for problem in problems:
        print('FAIL:', problem)
    print(f'{links} links in {len(documents)} documents, {len(problems)} broken')
    return 1 if problems or links == 0 else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
