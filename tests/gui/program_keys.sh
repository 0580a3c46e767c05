#!/usr/bin/env bash
# The run-control keys act when they go down, once per press, with the real keyboard: the
# program's boot-time clock is held still and moved by the test (through the clock shim), so every
# row's total says exactly when the program read the clock. A key is pressed, the clock moved on,
# and only then is the key let go: a row stamped at the press shows the time before the move.
#   program_keys.sh LAPMARK WINDOW_DRIVER BUILD_DIR CLOCK_SHIFT_LIBRARY
set -u
lapmark=$1 driver=$2 build=$3 clock_shift=$4
. "$(dirname "$0")/../program_lib.sh"
main=$main_window
# Where the Reset/Split button is, as a fraction of the English window's width and height.
split_button=0.75,0.27

steps=("$(at 100000)" "keys=$main:alt+s")
# Mouse click and Alt+T, side by side, three times: the click at .0, the key at .7 (the key held
# while the clock moves to .9).
for second in 101 102 103; do
  steps+=("$(at ${second}000)" "click=$main:$split_button"
          "$(at ${second}700)" "press=$main:alt+t" "$(at ${second}900)" "release=alt+t")
done
# Two presses 80 ms apart: two rows. (A key held until it repeats is the GUI tests' to check:
# the X server makes no repeat of a key that XTEST holds down.)
steps+=("$(at 104000)" "keys=$main:alt+t" "$(at 105000)" "repeat=$main:alt+t:2:80")
# Stop with Alt+S at the press; start again, and stop with Return on the default button (Start/Stop)
# from the list (the clicks left the focus on Reset/Split; Tab moves it on to the list).
steps+=("$(at 106000)" "press=$main:alt+s" "$(at 106500)" "release=alt+s"
        "$(at 107000)" "keys=$main:alt+s,Tab"
        "$(at 108000)" "press=$main:Return" "$(at 108500)" "release=Return"
        "keys=$main:ctrl+c" "clipboard=$work/laps.txt" "close=$main")

program_env=$(held_clock) \
  run_program keys "$lapmark" "$build" "ui_language=default" "${steps[@]}"
ran_cleanly keys

# Totals and laps in the copy: start at 100.0 s, a pause from 106.0 s to 107.0 s.
t=$'\t'
expected="No.${t}Action${t}Value${t}Lap
#1${t}Split${t}00:00:01.0${t}00:00:01.0
#2${t}Split${t}00:00:01.7${t}00:00:00.7
#3${t}Split${t}00:00:02.0${t}00:00:00.3
#4${t}Split${t}00:00:02.7${t}00:00:00.7
#5${t}Split${t}00:00:03.0${t}00:00:00.3
#6${t}Split${t}00:00:03.7${t}00:00:00.7
#7${t}Split${t}00:00:04.0${t}00:00:00.3
#8${t}Split${t}00:00:05.0${t}00:00:01.0
#9${t}Split${t}00:00:05.0${t}00:00:00.0
#10${t}Stop${t}00:00:06.0${t}00:00:01.0
#11${t}Stop${t}00:00:07.0${t}00:00:01.0"
expect keys "every key stamped its row when it went down; two quick presses made two rows" \
  test "$(tr -d '\r' < "$work/laps.txt")" = "$expected"
[ "$failures" -eq 0 ] || { echo "copied:"; cat "$work/laps.txt"; }

finish
