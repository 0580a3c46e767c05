#!/usr/bin/python3
"""Waits until the sway compositor (SWAYSOCK) shows a window with these properties, read from its
window tree through its IPC, and prints the window's properties as JSON; on a timeout (which only
bounds a hang) prints the windows it saw last and fails (status 1).
  wayland_windows.py TIMEOUT KEY=VALUE...
    KEYs: name (the title), shell (xwayland or xdg_shell), app_id, class, window (the X11 id)
"""
import json
import subprocess
import sys
import time


def views(node):
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        if child.get("type") in ("con", "floating_con") and child.get("name") is not None:
            properties = child.get("window_properties") or {}
            yield {"name": child.get("name"), "shell": child.get("shell"), "app_id": child.get("app_id"),
                   "class": properties.get("class"), "window": child.get("window")}
        yield from views(child)


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    deadline = time.monotonic() + float(sys.argv[1])
    wanted = dict(pair.split("=", 1) for pair in sys.argv[2:])
    seen = []
    while True:
        tree = subprocess.run(["swaymsg", "-r", "-t", "get_tree"], capture_output=True, text=True)
        if tree.returncode == 0:
            seen = list(views(json.loads(tree.stdout)))
            for view in seen:
                if all(str(view.get(key)) == value for key, value in wanted.items()):
                    print(json.dumps(view))
                    return 0
        if time.monotonic() > deadline:
            print("wayland_windows.py: no window %r; saw %r" % (wanted, seen), file=sys.stderr)
            return 1
        time.sleep(0.05)


sys.exit(main())
