"""A reader of .po and .pot files, enough for pseudo.py and check.py (plain python3)."""
import re

ESCAPES = {"n": "\n", "t": "\t", "r": "\r", '"': '"', "\\": "\\", "a": "\a", "b": "\b",
           "f": "\f", "v": "\v"}


class Entry:
    def __init__(self):
        self.context = None
        self.msgid = None
        self.plural = None
        self.msgstr = {}  # form number (0 for a text without plural) -> text
        self.flags = set()
        self.obsolete = False

    def translated(self):
        return bool(self.msgstr) and all(self.msgstr.values()) and "fuzzy" not in self.flags


def unquote(s):
    s = s.strip()
    if not (s.startswith('"') and s.endswith('"')):
        raise ValueError("not a quoted string: " + s)
    body, out, i = s[1:-1], [], 0
    while i < len(body):
        if body[i] == "\\" and i + 1 < len(body):
            out.append(ESCAPES.get(body[i + 1], body[i + 1]))
            i += 2
        else:
            out.append(body[i])
            i += 1
    return "".join(out)


def quote(s):
    s = s.replace("\\", "\\\\").replace('"', '\\"').replace("\t", "\\t").replace("\r", "\\r")
    lines = s.split("\n")
    if len(lines) == 1:
        return '"' + s + '"'
    parts = [line + "\\n" for line in lines[:-1]] + ([lines[-1]] if lines[-1] else [])
    return '""\n' + "\n".join('"' + p + '"' for p in parts)


def read(path):
    """Every message of the file but its header, obsolete ones marked."""
    entries, entry, key = [], Entry(), None

    def finish():
        if entry.msgid:
            entries.append(entry)

    with open(path, encoding="utf-8") as f:
        for line in list(f) + [""]:
            line = line.rstrip("\n")
            if not line.strip():
                finish()
                entry, key = Entry(), None
                continue
            if line.startswith("#,"):
                entry.flags.update(flag.strip() for flag in line[2:].split(","))
                continue
            if line.startswith("#~"):
                entry.obsolete = True
                line = line[2:].lstrip()
                if line.startswith("|"):
                    continue
            elif line.startswith("#"):
                continue
            m = re.match(r"(msgctxt|msgid_plural|msgid|msgstr)(?:\[(\d+)\])?\s+(.*)", line)
            if m:
                key = (m.group(1), int(m.group(2) or 0))
                value = unquote(m.group(3))
            elif line.startswith('"') and key:
                value = unquote(line)
            else:
                continue
            name, form = key
            if name == "msgctxt":
                entry.context = (entry.context or "") + value
            elif name == "msgid":
                entry.msgid = (entry.msgid or "") + value
            elif name == "msgid_plural":
                entry.plural = (entry.plural or "") + value
            else:
                entry.msgstr[form] = entry.msgstr.get(form, "") + value
    return entries
