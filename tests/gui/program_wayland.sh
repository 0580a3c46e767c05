#!/usr/bin/env bash
# Lapmark on a Wayland session, under a real compositor (sway, headless) with Xwayland. With both
# displays there it uses Xwayland, so a window manager can keep it above others: its window is an
# Xwayland window, it asks for _NET_WM_STATE_ABOVE (sway itself keeps no window above, and takes
# the state out again, so the request is read as the program sent it) and its class is the desktop
# entry's StartupWMClass. With GDK_BACKEND=wayland it runs natively: its app_id is the desktop
# entry's name, it says once that it cannot stay on top, and a split and a stop from the keyboard
# are stamped exactly (the boot-time clock held still by the clock shim; the rows read as a screen
# reader reads them). With keys chosen for every window: natively, the desktop's shortcuts portal
# (a stand-in on the session bus, shortcuts_portal.py) is asked for them, and its Activated
# signals start, split and stop the run; a shortcut it does not bind is named; without a portal,
# the user is told once that this desktop does not allow them. Under Xwayland, another X11 client
# with the keyboard passes them on. Every wait is on the compositor's window tree, the
# accessibility tree or a file.
#   program_wayland.sh LAPMARK BUILD_DIR CLOCK_SHIFT_LIBRARY STATE_RECORDER DESKTOP_ENTRY WINDOW_DRIVER
set -u
lapmark=$1 build=$2 clock_shift=$3 recorder=$4 entry=$5 driver=$6
. "$(dirname "$0")/../program_lib.sh"
. "$(dirname "$0")/wayland_session.sh"
wayland_session || exit
desktop_id=$(basename "$entry" .desktop)
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
note="This desktop does not let Lapmark stay above other windows."
keys_note="This desktop does not let Lapmark take keys in other windows."
windows() { "$(dirname "$0")/wayland_windows.py" 60 "$@"; }
mkdir -p "$work/home/.config/Lapmark"
printf '%s\n' ui_language=default global_start_stop=Ctrl+Shift+F9 global_split=F8 > "$work/home/.config/Lapmark/Lapmark.conf"
# lapmark NAME VAR=VALUE...: starts Lapmark in the session, on both displays, with these variables
# and a fresh run.
lapmark() {
  local name=$1
  shift
  rm -rf "$work/home/.local"
  start_program "$work/$name.out" "$build" env -u GDK_BACKEND HOME="$work/home" \
    XDG_CONFIG_HOME="$work/home/.config" XDG_STATE_HOME="$work/home/.local/state" \
    XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-1 DISPLAY="$x11" "$@" "$lapmark"
}
# closes NAME CRITERIA: closes its window as the compositor's close does; it ends with status 0,
# having said the note COUNT times.
closes() {
  local name=$1 criteria=$2 count=$3 before=$failures
  expect "$name" "its window is closed" swaymsg -q "$criteria kill"
  end_program $((failures - before))
  expect "$name" "it ended with status 0 (got $status)" test "$status" -eq 0
  expect "$name" "it said it cannot stay on top $count times" test "$(grep -c -F "$note" "$work/$name.out")" -eq "$count"
}

# Both displays: Xwayland, above, the entry's class.
DISPLAY=$x11 "$recorder" "$work/states" "$work/recording" &
recorder_pid=$!
wait_until "[ -e $work/recording ]"
lapmark xwayland NO_AT_BRIDGE=0
view=$(windows name=Lapmark shell=xwayland)
expect xwayland "the window is an Xwayland window" test -n "$view"
window=$(printf '%s' "$view" | /usr/bin/python3 -c 'import json, sys; print(hex(json.load(sys.stdin)["window"]))')
expect xwayland "its class is the desktop entry's StartupWMClass ($wm_class)" windows name=Lapmark "class=$wm_class"
expect xwayland "it asked to stay above other windows" grep -q "^$window .*_NET_WM_STATE_ABOVE" "$work/states"
# Another X11 client has the keyboard: the keys reach Lapmark through its grabs.
expect xwayland "Ctrl+Shift+F9 and F8, typed into another X11 client, start and split" \
  env DISPLAY="$x11" "$driver" timeout=60 wait=Lapmark cover \
  "run=swaymsg -q '[title=\"window_driver cover\"] focus'" "elsewhere=ctrl+shift+F9,F8"
expect xwayland "a row" read_screen "rows=Lapmark:1" "buttons=Lapmark:Stop|Split"
closes xwayland "[class=\"$wm_class\"]" 0
kill "$recorder_pid"

# GDK_BACKEND=wayland: native, its app_id, the note once, exact stamps from the keyboard.
key() { XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-1 wtype -M alt -k "$1" -m alt; }
# A keyboard that stays (a virtual one, idle), so the window has the keyboard before the first key
# and keeps it between keys: each key's own device comes and goes.
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-1 wtype -s 3600000 &
keyboard_pid=$!
wait_until 'swaymsg -r -t get_seats | grep -q "capabilities.: [1-9]"'
hold_clock 100000
# shellcheck disable=SC2046 # the held clock's words
lapmark native NO_AT_BRIDGE=0 GDK_BACKEND=wayland $(held_clock)
expect native "the window is a native Wayland window with the entry's name as its app_id" \
  windows name=Lapmark shell=xdg_shell "app_id=$desktop_id"
expect native "Alt+S starts" key s
expect native "timing" read_screen "buttons=Lapmark:Stop|Split"
hold_clock 101200
expect native "Alt+T splits" key t
expect native "a row" read_screen "rows=Lapmark:1"
hold_clock 102000
expect native "Alt+S stops" key s
expect native "both rows stamped at their keys" read_screen "rows=Lapmark:2" "row=Lapmark:0:#1|Split|00:00:01.2" \
  "row=Lapmark:1:#2|Stop|00:00:02.0"
closes native "[app_id=\"$desktop_id\"]" 1
expect native "and, with no portal, that it cannot take keys in other windows, once" \
  test "$(grep -c -F "$keys_note" "$work/native.out")" -eq 1

# The desktop's shortcuts portal: asked for both keys at their triggers; its signals time the run.
portal() { "$(dirname "$0")/shortcuts_portal.py" "$work/$1.portal" "${@:2}" & portal_pid=$!; wait_until "grep -qs Owned $work/$1.portal"; }
portal portal
hold_clock 100000
# shellcheck disable=SC2046 # the held clock's words
lapmark portal NO_AT_BRIDGE=0 GDK_BACKEND=wayland $(held_clock)
expect portal "both keys asked for at their triggers" \
  wait_until "grep -q 'Bind start_stop CTRL+SHIFT+F9' $work/portal.portal && grep -q 'Bind split F8' $work/portal.portal"
expect portal "start_stop starts" kill -USR1 "$portal_pid"
expect portal "timing" read_screen "buttons=Lapmark:Stop|Split"
hold_clock 100700
expect portal "split splits" kill -USR2 "$portal_pid"
expect portal "a row" read_screen "rows=Lapmark:1"
hold_clock 101000
expect portal "start_stop stops" kill -USR1 "$portal_pid"
expect portal "both rows stamped at their signals" read_screen "rows=Lapmark:2" "row=Lapmark:0:#1|Split|00:00:00.7" \
  "row=Lapmark:1:#2|Stop|00:00:01.0"
closes portal "[app_id=\"$desktop_id\"]" 1
expect portal "the session was closed at the end" grep -q '^Close$' "$work/portal.portal"
expect portal "no note of a missing portal" test "$(grep -c -F "$keys_note" "$work/portal.out")" -eq 0
kill "$portal_pid"
# A portal that does not bind the split key: it is named.
portal refused --refuse split
lapmark refused NO_AT_BRIDGE=0 GDK_BACKEND=wayland
expect refused "the key it did not bind is named" \
  wait_until "grep -q 'Another program holds F8, so it cannot split' $work/refused.out"
expect refused "in a box" windows "name=Lapmark Warning"
expect refused "which closes" swaymsg -q '[title="Lapmark Warning"] kill'
closes refused "[app_id=\"$desktop_id\"]" 1
kill "$portal_pid" "$keyboard_pid"
[ "$failures" -eq 0 ] || sed 's/^/    /' "$work/reads" 2>/dev/null | tail -20

finish
