#!/usr/bin/env bash
# Runs the real program the way a user does and looks at how it ends. Needs a display (xvfb-run).
#   program_runs.sh LAPMARK WINDOW_DRIVER BUILD_DIR
set -u
lapmark=$1 driver=$2 build=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 passes=0
main="Lapmark|Lapmark ラップタイマー"

# run NAME PROGRAM DIR SETTINGS STEP...: starts PROGRAM in DIR with a fresh home holding SETTINGS
# (none when empty), drives its windows with the window driver's STEPs, and leaves the driver's
# status in $drove, the program's in $status and the settings file in $settings.
run() {
  local name=$1 program=$2 dir=$3 stored=$4
  shift 4
  home=$work/$name/home
  settings=$home/.config/Lapmark/Lapmark.conf
  mkdir -p "$home/.config/Lapmark"
  [ -n "$stored" ] && printf '%s\n' "$stored" > "$settings"
  (cd "$dir" && HOME=$home XDG_CONFIG_HOME=$home/.config exec timeout 60 "$program") \
    > "$work/$name.out" 2>&1 &
  local pid=$!
  "$driver" "$@" >> "$work/$name.out" 2>&1
  drove=$?
  wait "$pid"
  status=$?
}

expect() {
  local name=$1 what=$2
  shift 2
  if "$@"; then
    passes=$((passes + 1))
  else
    failures=$((failures + 1))
    echo "FAILED: $name: $what"
    sed 's/^/    /' "$work/$name.out" 2>/dev/null
  fi
}

run normal_close "$lapmark" "$build" "ui_language=default" \
  "keys=$main:alt+s,alt+t,alt+s" "icon=$main" "close=$main"
expect normal_close "start, split, stop, and the window has its icon (driver said $drove)" test "$drove" -eq 0
expect normal_close "a normal close ends with status 0 (got $status)" test "$status" -eq 0
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
run missing_icon "$work/bare/$(basename "$lapmark")" "$work/bare" "ui_language=default" \
  "noicon=$main" "close=$main"
expect missing_icon "the window opens without an icon (driver said $drove)" test "$drove" -eq 0
expect missing_icon "a missing icon does not stop the program (got $status)" test "$status" -eq 0

run first_start "$lapmark" "$build" "" "close=Language selection" "close=$main"
expect first_start "the language question comes first, then the window (driver said $drove)" test "$drove" -eq 0
expect first_start "it ends with status 0 (got $status)" test "$status" -eq 0
expect first_start "a cancelled question stores no choice" grep -qx "ui_language=" "$settings"

run japanese "$lapmark" "$build" "ui_language=ja" "close=Lapmark ラップタイマー"
expect japanese "a stored Japanese starts a Japanese window (driver said $drove)" test "$drove" -eq 0
expect japanese "it ends with status 0 (got $status)" test "$status" -eq 0

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
