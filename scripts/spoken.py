#!/usr/bin/python3
# What a screen reader hears of a running program, for the check scripts:
#   spoken.py PID ROLE NAME [text | description | enabled | showing | extents | selected]
# ROLE "any" finds the first object whose name holds NAME and prints that name (or, with
# "showing", whether it is showing). Prints nothing when no such object is found, except
# "False" for "showing". "selected" prints the names of the object's selected children, one a
# line (the chosen line of a list).
import sys
import pyatspi

pid, role, name = int(sys.argv[1]), sys.argv[2], sys.argv[3]
what = sys.argv[4] if len(sys.argv) > 4 else "text"


def find(acc):
    if role == "any" and name in (acc.name or ""):
        return acc
    if acc.name == name and acc.getRoleName() == role:
        return acc
    for i in range(acc.childCount):
        c = acc.getChildAtIndex(i)
        found = c and find(c)
        if found:
            return found


desk = pyatspi.Registry.getDesktop(0)
for i in range(desk.childCount):
    a = desk.getChildAtIndex(i)
    if a is None or a.get_process_id() != pid:
        continue
    o = find(a)
    if not o:
        if what == "showing":
            print(False)
    elif what == "showing":
        print(o.getState().contains(pyatspi.STATE_SHOWING))
    elif role == "any":
        print(o.name)
    elif what == "description":
        print(o.description)
    elif what == "enabled":
        print(o.getState().contains(pyatspi.STATE_ENABLED))
    elif what == "selected":
        for j in range(o.childCount):
            c = o.getChildAtIndex(j)
            if c and c.getState().contains(pyatspi.STATE_SELECTED):
                print(c.name)
    elif what == "extents":
        e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(e.x, e.y)
    else:
        print(o.queryText().getText(0, -1))
    break
