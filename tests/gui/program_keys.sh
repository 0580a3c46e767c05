#!/usr/bin/env bash
# The run-control keys act when they go down, once per press, with the real keyboard: the
# program's boot-time clock is held still and moved by the test (through the clock shim), so every
# row's total says exactly when the program read the clock. A key is pressed, the clock moved on,
# and only then is the key let go: a row stamped at the press shows the time before the move.
# Then the keys in every window: chosen, they act while another client (the driver's cover) has
# the keyboard and keeps it; a key another client holds first is named; none is taken until
# chosen; and they are chosen with the keyboard alone, in effect at once.
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

# Keys in every window. The clock shim logs each X key grab and its undoing in $work/NAME.grabs.
grabbing() { echo "$(held_clock) LAPMARK_GRAB_LOG=$work/$1.grabs"; }
chosen=$'ui_language=default\nglobal_start_stop=Ctrl+Shift+F9\nglobal_split=KP_5'
# Start, split, split with Num Lock on, stop; then the split key asks before it resets, once
# however often it is pressed meanwhile; neither key acts while the question is open, and No
# keeps the run.
steps=(wait=$main "$(at 100000)" cover "elsewhere=ctrl+shift+F9" "$(at 101500)" "elsewhere=KP_5"
       "$(at 102000)" "elsewhere=Num_Lock,KP_5,Num_Lock" "$(at 103000)" "elsewhere=ctrl+shift+F9"
       "elsewhere=KP_5" "wait=Confirm" "type=KP_5,ctrl+shift+F9" "count=Confirm:1" "keys=Confirm:Escape" "gone=Confirm"
       "keys=$main:ctrl+c" "clipboard=$work/elsewhere.txt" "close=$main")
program_env=$(grabbing elsewhere) run_program elsewhere "$lapmark" "$build" "$chosen" "${steps[@]}"
ran_cleanly elsewhere
expected="No.${t}Action${t}Value${t}Lap
#1${t}Split${t}00:00:01.5${t}00:00:01.5
#2${t}Split${t}00:00:02.0${t}00:00:00.5
#3${t}Stop${t}00:00:03.0${t}00:00:01.0"
expect elsewhere "the keys started, split and stopped the run from another window, which kept the keyboard" \
  test "$(tr -d '\r' < "$work/elsewhere.txt" 2>/dev/null)" = "$expected"
expect elsewhere "still stopped: its last record is the stop" \
  test "$(tail -n 1 "$home/.local/state/Lapmark/run.txt" | cut -c1)" = P
# Both keys, in the four states of Caps Lock and Num Lock; every grab undone at the end.
grabs() { grep -c "^$1 " "$work/elsewhere.grabs" 2>/dev/null; }
expect elsewhere "each key grabbed with every lock (8 grabs: $(grabs grab))" test "$(grabs grab)" -eq 8
expect elsewhere "every grab undone" test "$(sed -n 's/^grab //p' "$work/elsewhere.grabs" | sort)" = \
  "$(sed -n 's/^ungrab //p' "$work/elsewhere.grabs" | sort)"

# Another client holds the split key first: it is named, once, and Start/Stop still works.
"$driver" timeout=120 grab=KP_5 run="touch $work/grabbed" wait=$main gone=$main >> "$work/held.out" 2>&1 &
helper_pid=$!
wait_until "[ -e $work/grabbed ]"
steps=(wait="Lapmark Warning" "count=Lapmark Warning:1" "close=Lapmark Warning" wait=$main cover
       "$(at 100000)" "elsewhere=ctrl+shift+F9" "$(at 100800)" "elsewhere=ctrl+shift+F9,KP_5"
       "keys=$main:ctrl+c" "clipboard=$work/held.txt" "close=$main")
program_env=$(held_clock) run_program held "$lapmark" "$build" "$chosen" "${steps[@]}"
wait "$helper_pid"
ran_cleanly held
expect held "the key held elsewhere was named on stderr, once" \
  test "$(grep -c "Another program holds KP_5, so it cannot split" "$work/held.out")" -eq 1
expect held "the other key started and stopped the run" \
  test "$(tr -d '\r' < "$work/held.txt" 2>/dev/null)" = "No.${t}Action${t}Value${t}Lap
#1${t}Stop${t}00:00:00.8${t}00:00:00.8"

# None chosen: nothing is grabbed. Then chosen with the keyboard alone on the list's menu: Alt+H
# waits for Start/Stop's key, a letter alone is refused, Ctrl+Shift+F7 is taken; the key is stored
# and works from another window at once. Opened again and closed while it waits, the key stays.
steps=(wait=$main "keys=$main:Tab,Tab,Menu" type=k "keys=Keys in Every Window:alt+h,a,ctrl+shift+F7"
       "close=Keys in Every Window" "keys=$main:Menu" type=k "keys=Keys in Every Window:alt+h"
       "close=Keys in Every Window" cover "elsewhere=ctrl+shift+F7" close=$main)
program_env=$(grabbing chosen) run_program chosen "$lapmark" "$build" "ui_language=default" "${steps[@]}"
ran_cleanly chosen
expect chosen "the key chosen was stored" grep -qx "global_start_stop=Ctrl+Shift+F7" "$settings"
expect chosen "no other key was stored" test "$(grep -c "^global_" "$settings")" -eq 1
expect chosen "it started the run at once" grep -q "^S " "$home/.local/state/Lapmark/run.txt"
# Taken once chosen and held while the box closes; given back while the box waits again, taken
# again when it closes waiting, and given back at the end.
took="grab 5 grab 7 grab 21 grab 23 " gave="ungrab 5 ungrab 7 ungrab 21 ungrab 23 "
expect chosen "grabbed once chosen, and again only after a wait" \
  test "$(cut -d' ' -f1,3 "$work/chosen.grabs" | tr '\n' ' ')" = "$took$gave$took$gave"
program_env=$(grabbing none) run_program none "$lapmark" "$build" "ui_language=default" \
  wait=$main cover "elsewhere=ctrl+shift+F9" close=$main
ran_cleanly none
expect none "no key was grabbed" test ! -e "$work/none.grabs"

finish
