#!/usr/bin/env bash
# Runs the real program the way a user does and looks at how it ends. Needs a display (xvfb-run).
#   program_runs.sh LAPMARK WINDOW_DRIVER BUILD_DIR CLOCK_SHIFT_LIBRARY
set -u
lapmark=$1 driver=$2 build=$3 clock_shift=$4
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
row='[0-9]{2}:[0-9]{2}:[0-9]{2}\.[0-9]'$'\t''[0-9]{2}:[0-9]{2}:[0-9]{2}\.[0-9]$'
laps_are() { # FILE ACTION...: a header, then one numbered row per ACTION
  local file=$1 n=0 expected
  shift
  expected="No."$'\t'"Action"$'\t'"Value"$'\t'"Lap"
  [ "$(head -n 1 "$file")" = "$expected" ] || return 1
  for action; do
    n=$((n + 1))
    sed -n "$((n + 1))p" "$file" | grep -Eq "^#$n"$'\t'"$action"$'\t'"$row" || return 1
  done
  [ "$(wc -l < "$file")" -eq $((n + 1)) ]
}
expect laps "Escape and the close box kept both rows; Ctrl+A, Ctrl+C copied them" laps_are "$work/keys.txt" Split Stop
expect laps "the list's menu selected and copied all four rows" laps_are "$work/menu.txt" Split Stop Split Stop

# A suspend while timing (the boot-time clock jumps 600 s ahead) is in the total, the lap and every
# row after it; a suspend while stopped is not; the wall clock set back an hour moves nothing.
shifts=$work/clock-shifts
set_clocks() { # BOOT WALL: the seconds the two clocks are moved by, from the next reading on
  echo "run=printf '%s %s' $1 $2 > $shifts.new && mv $shifts.new $shifts"
}
program_env="LD_PRELOAD=$clock_shift LAPMARK_CLOCK_SHIFT=$shifts ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0" \
  run_program suspend "$lapmark" "$build" "ui_language=default" \
  "$(set_clocks 0 0)" "keys=$main:alt+s,alt+t" "$(set_clocks 600 0)" "keys=$main:alt+t" \
  "$(set_clocks 600 -3600)" "keys=$main:alt+t,alt+s" "$(set_clocks 1200 -3600)" \
  "keys=$main:alt+s,alt+t,alt+s,ctrl+c" "clipboard=$work/suspend.txt" "close=$main"
ran_cleanly suspend
tenths() { # ROW COLUMN: that time of the copied row in tenths of a second (3: total, 4: lap)
  awk -F'\t' -v row="#$1" -v column="$2" '$1 == row { split($column, t, /[:.]/); print ((t[1] * 60 + t[2]) * 60 + t[3]) * 10 + t[4] }' "$work/suspend.txt"
}
within() { # VALUE LOW HIGH
  [ -n "$1" ] && [ "$1" -ge "$2" ] && [ "$1" -lt "$3" ]
}
expect suspend "the suspend is in the total of the next row" within "$(( $(tenths 2 3) - $(tenths 1 3) ))" 6000 6600
expect suspend "and in its lap" within "$(tenths 2 4)" 6000 6600
expect suspend "the wall clock set back moved neither the total" within "$(( $(tenths 3 3) - $(tenths 2 3) ))" 0 600
expect suspend "nor the lap" within "$(tenths 3 4)" 0 600
expect suspend "a suspend while stopped is not counted" within "$(( $(tenths 5 3) - $(tenths 4 3) ))" 0 600

mkdir -p "$work/no_display"
(cd "$build" && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/no_display" timeout 60 "$lapmark") \
  > "$work/no_display.out" 2>&1
status=$?
expect no_display "no display ends non-zero (got $status)" test "$status" -ne 0 -a "$status" -ne 124
expect no_display "the toolkit says why" test -s "$work/no_display.out"

# The command line answers without a display; an unknown option is refused with the usage.
headless() { # NAME ARGS...: runs the program with no display, output in $work/NAME.{out,err}
  local name=$1
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY timeout 30 "$lapmark" "$@" > "$work/$name.out" 2> "$work/$name.err"
  status=$?
}
headless help --help
expect help "--help ends with status 0 (got $status)" test "$status" -eq 0
expect help "--help prints the usage" grep -q "^Usage: lapmark \\[-h\\] \\[--version\\] \\[--verbose\\]" "$work/help.out"
headless short_help -h
expect short_help "-h ends with status 0 (got $status)" test "$status" -eq 0
headless version --version
expect version "--version ends with status 0 (got $status)" test "$status" -eq 0
expect version "--version prints the name, version and build" grep -Eq "^Lapmark [0-9.]+ \\(build [0-9]+\\)$" "$work/version.out"
headless unknown --no-such-option
expect unknown "an unknown option ends non-zero" test "$status" -ne 0
expect unknown "and shows the usage on the standard error" grep -q "^Usage: lapmark" "$work/unknown.err"
expect unknown "and nothing on the standard output" test ! -s "$work/unknown.out"

program_args=--verbose run_program verbose "$lapmark" "$build" "ui_language=default" "close=$main"
ran_cleanly verbose

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

# "default" follows the system's language, from LANG or the list of preferred ones in LANGUAGE.
LANG=ja_JP.UTF-8 run_program system_japanese "$lapmark" "$build" "ui_language=default" "close=Lapmark ラップタイマー"
ran_cleanly system_japanese
LANG=C LANGUAGE=fr:zh_CN run_program preferred_chinese "$lapmark" "$build" "ui_language=default" "close=Lapmark 计时器"
ran_cleanly preferred_chinese

finish
