#!/usr/bin/python3
"""Reads a running program's windows as a screen reader does, through the accessibility bus
(AT-SPI), for the whole-program tests. Waits, up to a timeout that only bounds a hang, until what
it reads matches, then prints it; on a timeout prints what it read last and fails (status 1).
  screen_reader.py APP TIMEOUT CHECK...
    table=WINDOW:H1|H2|H3         the window holds a table with these column headings
    rows=WINDOW:N                 ... and N rows (printed as "cell|cell|cell", one a line)
    row=WINDOW:I:C1|C2|C3         row I (from 0) has cells matching these patterns (re.fullmatch)
    selected=WINDOW:I,J           exactly rows I, J... are reported selected (none: empty)
    buttons=WINDOW:NAME|NAME      every push button in the window has a name, and these are among them
    shows=WINDOW:NAME=TEXT|...    the labels of these names (the readouts) show these texts
"""
import re
import sys
import time

import pyatspi


def find(node, predicate, depth=0):
    if node is None or depth > 40:
        return None
    try:
        if predicate(node):
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), predicate, depth + 1)
            if found is not None:
                return found
    except Exception:  # a node that went away while being read
        return None
    return None


def find_all(node, predicate, found, depth=0):
    if node is None or depth > 40:
        return found
    try:
        if predicate(node):
            found.append(node)
        for i in range(node.childCount):
            find_all(node.getChildAtIndex(i), predicate, found, depth + 1)
    except Exception:
        pass
    return found


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def window(app, title):
    return find(app, lambda n: n.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG) and n.name == title)


def table_of(win):
    return find(win, lambda n: n.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE))


def read_table(win):
    """(headings, rows, selected rows) of the window's table, or None."""
    node = table_of(win)
    if node is None:
        return None
    table = node.queryTable()
    headings = [table.getColumnHeader(c).name if table.getColumnHeader(c) else ""
                for c in range(table.nColumns)]
    rows = [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)] for r in range(table.nRows)]
    selected = [r for r in range(table.nRows) if table.isRowSelected(r)]
    return headings, rows, selected


def check(app, verb, what):
    title, _, rest = what.partition(":")
    win = window(app, title)
    if win is None:
        return False, "no window %r" % title
    if verb in ("buttons", "named"):
        # buttons: every button is named, these among them; named: the readouts and the table
        # carry these names.
        roles = ((pyatspi.ROLE_PUSH_BUTTON,) if verb == "buttons" else
                 (pyatspi.ROLE_LABEL, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE))
        nodes = find_all(win, lambda n: n.getRole() in roles, [])
        names = [n.name for n in nodes]
        wanted = rest.split("|")
        return (verb == "named" or all(names)) and all(w in names for w in wanted), "%s: %r" % (verb, names)
    if verb == "shows":
        labels = find_all(win, lambda n: n.getRole() == pyatspi.ROLE_LABEL, [])
        texts = {n.name: n.queryText().getText(0, -1) for n in labels}
        wanted = dict(pair.split("=", 1) for pair in rest.split("|"))
        return all(texts.get(k) == v for k, v in wanted.items()), "shows: %r" % texts
    read = read_table(win)
    if read is None:
        return False, "no table in %r" % title
    headings, rows, selected = read
    shown = "headings %r, rows:\n%s\nselected %r" % (headings, "\n".join("|".join(r) for r in rows), selected)
    if verb == "table":
        return headings == rest.split("|"), shown
    if verb == "rows":
        return len(rows) == int(rest), shown
    if verb == "row":
        index, _, cells = rest.partition(":")
        index = int(index)
        patterns = cells.split("|")
        return (index < len(rows) and len(rows[index]) == len(patterns) and
                all(re.fullmatch(p, c) for p, c in zip(patterns, rows[index]))), shown
    if verb == "selected":
        return selected == [int(i) for i in rest.split(",") if i], shown
    raise SystemExit("screen_reader.py: unknown check %r" % verb)


def main():
    if len(sys.argv) < 4:
        raise SystemExit(__doc__)
    name, timeout, checks = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
    deadline = time.monotonic() + timeout
    last = ""
    while True:
        app = application(name)
        results = [check(app, *c.split("=", 1)) if app else (False, "no application %r" % name) for c in checks]
        if all(ok for ok, _ in results):
            print(results[-1][1])
            return 0
        last = "\n".join(text for ok, text in results if not ok)
        if time.monotonic() > deadline:
            print("screen_reader.py: not so within %g s: %s" % (timeout, last), file=sys.stderr)
            return 1
        time.sleep(0.05)


sys.exit(main())
