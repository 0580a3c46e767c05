#!/usr/bin/env bash
# The split list as a screen reader finds it (read through the accessibility bus, as Orca reads
# it) and as a saved file: a table with its headings, one row of named cells per split and stop,
# rows selected by keyboard and mouse reported selected, every button, readout and the list named,
# the rows kept when Return answers the reset question and gone after a Yes; then Ctrl+S through the real save dialog, and the file read back. The
# program's boot-time clock is held still and moved by the test, so every time is exact. Runs
# inside a session bus of its own (dbus-run-session), where the accessibility bus starts.
#   program_list.sh LAPMARK WINDOW_DRIVER BUILD_DIR CLOCK_SHIFT_LIBRARY
set -u
lapmark=$1 driver=$2 build=$3 clock_shift=$4
. "$(dirname "$0")/../program_lib.sh"
main=Lapmark

steps=("$(at 100000)" "keys=$main:alt+s" "$(at 101200)" "keys=$main:alt+t" "$(at 102500)" "keys=$main:alt+t"
  "$(at 103000)" "keys=$main:alt+s"
  "$(reads "'table=$main:No.|Action|Value'" "rows=$main:3" "'row=$main:0:#1|Split|00:00:01.2'" \
      "'row=$main:1:#2|Split|00:00:02.5'" "'row=$main:2:#3|Stop|00:00:03.0'" \
      "'buttons=$main:Start|Reset|Language...|Update...|About...'" "'named=$main:Total time|Lap time|Splits'")"
  # From the keyboard (Tab to the list, Down), then with the mouse (the second row).
  "keys=$main:Tab,Tab,Down" "$(reads "selected=$main:0")"
  "click=$main:0.5,0.45" "$(reads "selected=$main:1")"
  "keys=$main:alt+a" "wait=About..." "$(reads "'buttons=About...:Open the download page|OK'")" "close=About..."
  # Saved through the real dialog, under the name it proposes in the documents folder.
  "keys=$main:ctrl+s" "keys=Save laps:Return" "gone=Save laps"
  # Return in the reset question keeps the run (No is its default); only Yes clears it.
  "keys=$main:alt+t" "keys=Confirm:Return" "gone=Confirm" "$(reads "rows=$main:3")"
  "keys=$main:alt+t" "keys=Confirm:alt+y" "gone=Confirm" "$(reads "rows=$main:0")"
  "close=$main")

prepare_home() { mkdir -p "$home/Documents"; echo "XDG_DOCUMENTS_DIR=\"\$HOME/Documents\"" > "$home/.config/user-dirs.dirs"; }
prepare_home=prepare_home
program_env="-u NO_AT_BRIDGE $(held_clock)" \
  run_program list "$lapmark" "$build" "ui_language=default" "${steps[@]}"
ran_cleanly list
[ "$drove" -eq 0 ] || sed 's/^/    /' "$work/reads" 2>/dev/null | tail -20

saved=$(find "$home/Documents" -name 'Lapmark ????-??-?? ??-??-??.csv')
expect list "the laps were saved under the proposed name in the documents folder" test -n "$saved"
expected=$'\xEF\xBB\xBFNo.,Action,Value,Lap\r\n#1,Split,00:00:01.2,00:00:01.2\r\n#2,Split,00:00:02.5,00:00:01.3\r\n#3,Stop,00:00:03.0,00:00:00.5\r'
expect list "the file holds every row as CSV" test "$(cat "$saved")" = "$expected"

finish
