#!/usr/bin/env bash
# Runs the real program the way a user does and uses it: the run-control keys, the reset question
# dismissed, the laps copied, a suspend and a clock change, the verbose log. Needs a display.
#   program_runs.sh LAPMARK WINDOW_DRIVER BUILD_DIR CLOCK_SHIFT_LIBRARY CLIPBOARD_KEEPER
set -u
lapmark=$1 driver=$2 build=$3 clock_shift=$4 keeper=$5
. "$(dirname "$0")/../program_lib.sh"
main=$main_window

run_program normal_close "$lapmark" "$build" "ui_language=default" \
  "keys=$main:alt+s,alt+t,alt+s" "icon=$main" "close=$main"
ran_cleanly normal_close
expect normal_close "the stored language survives" grep -qx "ui_language=default" "$settings"

# The laps survive a reset question dismissed with Escape or the close box, and leave through
# the clipboard: Ctrl+A and Ctrl+C, then Select All from the list's right-click menu and Copy from
# the same menu opened with Shift+F10 (the rows added since are not selected until then).
run_program laps "$lapmark" "$build" "ui_language=default" \
  "keys=$main:alt+s,alt+t,alt+s,alt+t" "keys=Confirm:Escape" "keys=$main:alt+t" "close=Confirm" \
  "keys=$main:ctrl+a,ctrl+c" "clipboard=$work/keys.txt" "keys=$main:alt+s,alt+t,alt+s" \
  "rightclick=$main:0.5,0.6" "type=a" "type=shift+F10" "type=c" "clipboard=$work/menu.txt" \
  "close=$main"
ran_cleanly laps
english_header="No."$'\t'"Action"$'\t'"Value"$'\t'"Lap"
expect laps "Escape and the close box kept both rows; Ctrl+A, Ctrl+C copied them" laps_are "$work/keys.txt" "$english_header" Split Stop
expect laps "the list's menu selected and copied all four rows" laps_are "$work/menu.txt" "$english_header" Split Stop Split Stop

# Copied laps outlive the program: it hands them to the desktop's clipboard manager.
helper_pid=$("$keeper" "$work/kept.txt")
run_program kept "$lapmark" "$build" "ui_language=default" "keys=$main:alt+s,alt+t,alt+s,ctrl+c" "close=$main"
ran_cleanly kept
expect kept "the clipboard manager was given the copied rows" laps_are "$work/kept.txt" "$english_header" Split Stop
kill "$helper_pid" 2>/dev/null
helper_pid=

# A suspend while timing (the boot-time clock, held still by the test, jumps 600 s ahead) is in
# the total, the lap and every row after it; a suspend while stopped is not; the wall clock set
# back an hour moves nothing. The clock is held, so every time is exact.
program_env=$(held_clock) \
  run_program suspend "$lapmark" "$build" "ui_language=default" \
  "$(at 100000 0)" "keys=$main:alt+s" "$(at 101000 0)" "keys=$main:alt+t" \
  "$(at 701000 0)" "keys=$main:alt+t" \
  "$(at 701500 -3600)" "keys=$main:alt+t,alt+s" \
  "$(at 1301500 -3600)" "keys=$main:alt+s" "$(at 1302000 -3600)" "keys=$main:alt+t,alt+s,ctrl+c" \
  "clipboard=$work/suspend.txt" "close=$main"
ran_cleanly suspend
t=$'\t'
suspended="No.${t}Action${t}Value${t}Lap
#1${t}Split${t}00:00:01.0${t}00:00:01.0
#2${t}Split${t}00:10:01.0${t}00:10:00.0
#3${t}Split${t}00:10:01.5${t}00:00:00.5
#4${t}Stop${t}00:10:01.5${t}00:00:00.0
#5${t}Split${t}00:10:02.0${t}00:00:00.5
#6${t}Stop${t}00:10:02.0${t}00:00:00.0"
expect suspend "the suspend while timing is in the total and the lap; the wall clock set back and the suspend while stopped move nothing" \
  test "$(cat "$work/suspend.txt")" = "$suspended"

# --verbose shows the toolkit's verbose messages: here, that the system has no Japanese locale
# (the catalogs serve all the same). A machine that has one has nothing to say. The box's title is
# the toolkit's own text, in Japanese from its catalog.
verbose_steps=("close=Lapmark 情報" "close=$main")
locale -a 2>/dev/null | grep -qi '^ja_JP' && verbose_steps=("close=$main")
program_args=--verbose run_program verbose "$lapmark" "$build" "ui_language=ja" "${verbose_steps[@]}"
ran_cleanly verbose

finish
