#!/usr/bin/env bash
# Runs the real program the way a user does and looks at how it ends. Needs a display (xvfb-run).
#   program_runs.sh LAPMARK WINDOW_DRIVER BUILD_DIR
set -u
lapmark=$1 driver=$2 build=$3
. "$(dirname "$0")/../program_lib.sh"
main=$main_window

run_program normal_close "$lapmark" "$build" "ui_language=default" \
  "keys=$main:alt+s,alt+t,alt+s" "icon=$main" "close=$main"
ran_cleanly normal_close
expect normal_close "the stored language survives" grep -qx "ui_language=default" "$settings"

mkdir -p "$work/no_display"
(cd "$build" && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/no_display" timeout 60 "$lapmark") \
  > "$work/no_display.out" 2>&1
status=$?
expect no_display "no display ends non-zero (got $status)" test "$status" -ne 0 -a "$status" -ne 124
expect no_display "the toolkit says why" test -s "$work/no_display.out"

# A copy of the program alone in a folder: no icon below its working directory, beside it or
# installed. The window opens without an icon of its own.
mkdir -p "$work/bare"
cp "$lapmark" "$work/bare/"
run_program missing_icon "$work/bare/$(basename "$lapmark")" "$work/bare" "ui_language=default" \
  "noicon=$main" "close=$main"
ran_cleanly missing_icon

run_program first_start "$lapmark" "$build" "" "close=Language selection" "close=$main"
ran_cleanly first_start
expect first_start "a cancelled question stores no choice" grep -qx "ui_language=" "$settings"

run_program japanese "$lapmark" "$build" "ui_language=ja" "close=Lapmark ラップタイマー"
ran_cleanly japanese

finish
