#!/usr/bin/python3
# What a screen reader hears of a running program, for the check scripts:
#   spoken.py PID ROLE NAME [text | description | enabled | showing | extents | selected |
#                            labels | days | centre ROW]
#   spoken.py PID      every object, ROLE|NAME|DESCRIPTION|ITS PARENT'S ROLE one a line, line
#                      breaks in them as spaces
# ROLE "any" finds the first object whose name holds NAME and prints that name (or, with
# "showing", whether it is showing). Prints nothing when no such object is found, except
# "False" for "showing", and nothing at all when the program is not on the screen reader's
# bus. "selected" prints the names of the object's selected children, one a line (the chosen
# line of a list); "labels" the texts of the labels inside it. For a list of days: "days"
# prints a row a line, its first cell's closing d/m/y date as YYYY-MM-DD and its other cells,
# "|" between; "centre ROW" the screen point in the middle of row ROW's first cell (0 is the
# first row).
import re
import sys
import pyatspi


def children(acc):
    return [c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c is not None]


def walk(acc, parent=None):
    """acc and each object beneath it, depth first, each with the object it hangs from."""
    yield acc, parent
    for c in children(acc):
        yield from walk(c, acc)


def program(pid):
    desk = pyatspi.Registry.getDesktop(0)
    return next((a for a in children(desk) if a.get_process_id() == pid), None)


def rows(table):
    cells = children(table)
    width = sum(1 for c in cells if c.getRoleName() == "table column header")
    cells = [c for c in cells if c.getRoleName() == "table cell"]
    return [cells[i:i + width] for i in range(0, len(cells), width)] if width else []


def day(text):
    m = re.search(r"(\d+)/(\d+)/(\d+)$", text)
    if not m:
        return text
    d, mo, y = m.groups()
    return f"{y}-{int(mo):02d}-{int(d):02d}"


def flat(text):
    return (text or "").replace("\n", " ")


def tell(o, what, arg):
    if what == "showing":
        print(o.getState().contains(pyatspi.STATE_SHOWING))
    elif role == "any":
        print(o.name)
    elif what == "description":
        print(o.description)
    elif what == "enabled":
        print(o.getState().contains(pyatspi.STATE_ENABLED))
    elif what == "selected":
        for c in children(o):
            if c.getState().contains(pyatspi.STATE_SELECTED):
                print(c.name)
    elif what == "labels":
        for c, _ in walk(o):
            if c.getRoleName() == "label" and c.name:
                print(c.name.replace("\r", ""))
    elif what == "days":
        for r in rows(o):
            print("|".join([day(r[0].name)] + [c.name for c in r[1:]]))
    elif what == "centre":
        e = rows(o)[int(arg)][0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(e.x + e.width // 2, e.y + e.height // 2)
    elif what == "extents":
        e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(e.x, e.y)
    else:
        print(o.queryText().getText(0, -1))


def found(acc):
    if role == "any":
        return name in (acc.name or "")
    return acc.name == name and acc.getRoleName() == role


app = program(int(sys.argv[1]))
if app is None:
    sys.exit()
if len(sys.argv) == 2:
    for o, parent in walk(app):
        print(f"{o.getRoleName()}|{flat(o.name)}|{flat(o.description)}|"
              f"{parent.getRoleName() if parent else ''}")
    sys.exit()
role, name = sys.argv[2], sys.argv[3]
what = sys.argv[4] if len(sys.argv) > 4 else "text"
o = next((o for o, _ in walk(app) if found(o)), None)
if o:
    tell(o, what, sys.argv[5] if len(sys.argv) > 5 else "")
elif what == "showing":
    print(False)
