#!/usr/bin/env python3
"""Checks every language of LINGUAS against today's template:

    check.py build/po/tidewell.pot po [LANG...]

- complete: merged with the template, no message is left untranslated or fuzzy, and msgfmt
  --check accepts it (plural forms, header);
- every {N} placeholder of the English text is in the translation, and no other;
- access keys (the letter after a lone "&") differ within each menu or dialog. Every message
  with an access key names its menu or dialog in its context, so a context is one group; the
  English texts are checked the same way, so a text put in the wrong group shows there.
Prints one line per fault and ends with the count; exits 1 when there is any.
"""
import os
import re
import subprocess
import sys
import tempfile

from pofile import read

PLACEHOLDER = re.compile(r"\{\d+\}")
ACCESS_KEY = re.compile(r"(?<!&)&([^\s&])")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def access_key(text):
    m = ACCESS_KEY.search(text.replace("&&", ""))
    return m.group(1).lower() if m else None


def describe(e):
    return (f"[{e.context}] " if e.context else "") + repr(e.msgid)


def key_clashes(where, texts):
    """texts: (context, text, entry); one fault per pair of texts sharing a key in a context."""
    faults, seen = [], {}
    for context, text, e in texts:
        key = access_key(text)
        if key is None:
            continue
        if context is None:
            faults.append(f"{where}: {describe(e)} has an access key but no context naming its "
                          "menu or dialog")
            continue
        other = seen.setdefault((context, key), e)
        if other is not e:
            faults.append(f"{where}: [{context}] access key '{key}' in both {other.msgid!r} and "
                          f"{e.msgid!r}")
    return faults


def check_language(pot, po_dir, lang):
    po = os.path.join(po_dir, lang + ".po")
    if not os.path.exists(po):
        return [f"{lang}: {po} is missing"]
    faults = []
    with tempfile.TemporaryDirectory() as tmp:
        merged = os.path.join(tmp, lang + ".po")
        subprocess.run(["msgmerge", "--quiet", "--no-fuzzy-matching", "-o", merged, po, pot],
                       check=True)
        fmt = subprocess.run(["msgfmt", "--check", "--statistics", "-o", os.devnull, merged],
                             capture_output=True, text=True)
        if fmt.returncode != 0:
            faults.append(f"{lang}: msgfmt --check: {fmt.stderr.strip()}")
        entries = [e for e in read(merged) if not e.obsolete]
    missing = [e for e in entries if not e.translated()]
    if missing:
        faults.append(f"{lang}: {len(missing)} of {len(entries)} messages untranslated or fuzzy "
                      f"(the first: {describe(missing[0])})")
    texts = []
    for e in entries:
        if not e.translated():
            continue
        wanted = placeholders(e.msgid + (e.plural or ""))
        for form, text in sorted(e.msgstr.items()):
            have = placeholders(text)
            # A language's singular may name its one thing without the number ({1} in "1 day").
            if have != wanted and not (e.plural and set(have) < set(wanted)):
                faults.append(f"{lang}: {describe(e)} form {form} has placeholders {have}, "
                              f"English {wanted}")
        texts.append((e.context, e.msgstr[0], e))
    faults += key_clashes(lang, texts)
    return faults


def main(pot, po_dir, langs):
    if not langs:
        with open(os.path.join(po_dir, "LINGUAS"), encoding="utf-8") as f:
            langs = [w for line in f if not line.startswith("#") for w in line.split()]
    faults = key_clashes("English", [(e.context, e.msgid, e) for e in read(pot)])
    for lang in langs:
        faults += check_language(pot, po_dir, lang)
    for fault in faults:
        print(fault)
    print(f"{len(faults)} faults in English and {len(langs)} languages")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
