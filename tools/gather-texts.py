#!/usr/bin/env python3
"""The texts the game translates that live outside its code: the captions of
the window designs (resources/design/*.kel) and the numbered texts a player
reads (resources/strings/<id>.txt, from 1000 up; the ten quotes below stay as
they are). Written as a C++ file of QT_TRANSLATE_NOOP lines for lupdate
alone: it is never compiled.

Usage: tools/gather-texts.py ROOT OUT.cpp"""
import pathlib, sys


def literal(text):
    out = text.replace('\\', '\\\\').replace('"', '\\"')
    return '"' + out.replace('\r', '\\r').replace('\n', '\\n') + '"'


def design_captions(path):
    window = None
    for line in path.read_text(encoding='utf-8').splitlines():
        if line.startswith('window '):
            window = line.split()[1]
        stripped = line.strip()
        if stripped.startswith('TX str ') and window:
            raw = stripped[len('TX str '):]
            # The design file's escapes: \r, \n and \\.
            text, i = '', 0
            while i < len(raw):
                if raw[i] == '\\' and i + 1 < len(raw):
                    text += {'r': '\r', 'n': '\n'}.get(raw[i + 1], raw[i + 1])
                    i += 2
                else:
                    text += raw[i]
                    i += 1
            if text.strip():
                # Line breaks as plain line ends, as the game asks for them.
                yield window, text.replace('\r\n', '\n')


def main():
    root, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    lines = ['// Made by tools/gather-texts.py for lupdate; never compiled.']
    for kel in sorted((root / 'resources/design').glob('*.kel')):
        if kel.stem == 'gallery':
            continue
        for window, text in design_captions(kel):
            lines.append('QT_TRANSLATE_NOOP("%s", %s)' % (window, literal(text)))
    for txt in sorted((root / 'resources/strings').glob('*.txt'), key=lambda p: int(p.stem)):
        if int(txt.stem) >= 1000:
            lines.append('QT_TRANSLATE_NOOP("Texts", %s)' % literal(txt.read_text(encoding='utf-8')))
    out.write_text('\n'.join(lines) + '\n', encoding='utf-8')


main()
