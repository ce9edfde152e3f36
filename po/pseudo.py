#!/usr/bin/env python3
"""Writes the pseudo-translation "qps" of a template: every text between brackets, its letters
accented and the text about 40 % longer, so a text cut short or never put through the catalogue
shows at a glance. Placeholders ({1}), printf sequences (%1, %s), HTML tags and entities, access
keys (&F) and line breaks are kept as they are.

    pseudo.py tidewell.pot qps.po
"""
import re
import sys

from pofile import quote, read

ACCENTED = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "áƀçđéƒğĥíĵķĺɱñóƥʠŕšţúṽŵẋýžÁƁÇĐÉƑĞĤÍĴĶĹṀÑÓƤɊŔŠŢÚṼŴẊÝŽ"))
# What must come through unchanged: a placeholder, a printf or Qt sequence, a tag, an entity,
# an access key's letter, a line break.
KEPT = re.compile(r"\{\d+\}|%(?:\d+|[-+ #0]*\d*(?:\.\d+)?[diouxXeEfgGcsp%])|<[^>]*>|&[A-Za-z#0-9]+;"
                  r"|&&|&[^\s&]|\n|\r|\t")
# The catalogue's switches, read by the program rather than by people.
SWITCHES = {("layout direction", "LTR")}
FILLER = "~"


def pseudo(text):
    # Line breaks at either end stay outside the brackets, as msgfmt --check wants them.
    core = text.strip("\n")
    if core != text:
        start = text[:len(text) - len(text.lstrip("\n"))]
        end = text[len(text.rstrip("\n")):]
        return start + pseudo(core) + end
    out = []
    letters = 0
    pos = 0
    for m in KEPT.finditer(text):
        chunk = text[pos:m.start()]
        out.append("".join(ACCENTED.get(c, c) for c in chunk))
        letters += sum(c.isalpha() for c in chunk)
        out.append(m.group(0))
        pos = m.end()
    chunk = text[pos:]
    out.append("".join(ACCENTED.get(c, c) for c in chunk))
    letters += sum(c.isalpha() for c in chunk)
    padding = FILLER * max(1, round(0.4 * max(letters, len(text) // 2)))
    return "[" + "".join(out) + padding + "]"


def main(pot, out):
    with open(out, "w", encoding="utf-8") as f:
        f.write('msgid ""\nmsgstr ""\n'
                '"Project-Id-Version: Tidewell\\n"\n'
                '"PO-Revision-Date: 2000-01-01 00:00+0000\\n"\n'
                '"Last-Translator: po/pseudo.py\\n"\n'
                '"Language-Team: none\\n"\n'
                '"MIME-Version: 1.0\\n"\n'
                '"Content-Type: text/plain; charset=UTF-8\\n"\n'
                '"Content-Transfer-Encoding: 8bit\\n"\n'
                '"Language: qps\\n"\n'
                '"Plural-Forms: nplurals=2; plural=(n != 1);\\n"\n\n')
        for e in read(pot):
            context, msgid, plural = e.context, e.msgid, e.plural
            if context is not None:
                f.write("msgctxt " + quote(context) + "\n")
            f.write("msgid " + quote(msgid) + "\n")
            same = (context, msgid) in SWITCHES
            if plural is None:
                f.write("msgstr " + quote(msgid if same else pseudo(msgid)) + "\n\n")
            else:
                f.write("msgid_plural " + quote(plural) + "\n")
                f.write("msgstr[0] " + quote(pseudo(msgid)) + "\n")
                f.write("msgstr[1] " + quote(pseudo(plural)) + "\n\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
