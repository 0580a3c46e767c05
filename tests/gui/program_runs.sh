#!/usr/bin/env bash
# Runs the real program the way a user does and looks at how it ends. Needs a display (xvfb-run).
#   program_runs.sh LAPMARK CLOSE_WINDOW BUILD_DIR
set -u
lapmark=$1 close=$2 build=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 passes=0

# run NAME DIR SETTINGS TITLE...: starts $program (Lapmark) in DIR with a fresh home holding SETTINGS
# (or none), closes each titled window in turn, and leaves the exit status in $status.
run() {
  local name=$1 dir=$2 settings=$3
  shift 3
  home="$work/$name/home"
  mkdir -p "$home/.config/Lapmark"
  [ -n "$settings" ] && printf '%s\n' "$settings" > "$home/.config/Lapmark/Lapmark.conf"
  (cd "$dir" && HOME=$home XDG_CONFIG_HOME=$home/.config exec timeout 60 "$program") \
    > "$work/$name.out" 2>&1 &
  local pid=$!
  closed=0
  for title in "$@"; do
    "$close" "$title" 30 $icon_check || closed=$?
  done
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

program=$lapmark icon_check=
icon_check=--icon
run normal_close "$build" "ui_language=default" "Lapmark"
icon_check=
expect normal_close "the window has its icon (close_window said $closed)" test "$closed" -eq 0
expect normal_close "a normal close ends with status 0 (got $status)" test "$status" -eq 0
expect normal_close "the stored language survives" grep -qx "ui_language=default" "$home/.config/Lapmark/Lapmark.conf"

mkdir -p "$work/no_display"
(cd "$build" && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/no_display" timeout 60 "$lapmark") > "$work/no_display.out" 2>&1
status=$?
expect no_display "no display ends non-zero (got $status)" test "$status" -ne 0 -a "$status" -ne 124
expect no_display "the toolkit says why" test -s "$work/no_display.out"

# A copy of the program alone in a folder: no icon below its working directory, beside it or
# installed. The window opens without an icon of its own.
mkdir -p "$work/bare"
cp "$lapmark" "$work/bare/"
program=$work/bare/$(basename "$lapmark") icon_check=--icon
run missing_icon "$work/bare" "ui_language=default" "Lapmark"
expect missing_icon "a missing icon does not stop the program (got $status)" test "$status" -eq 0
expect missing_icon "the window has no icon (close_window said $closed)" test "$closed" -eq 3
program=$lapmark icon_check=

run first_start "$build" "" "Language selection" "Lapmark"
expect first_start "the language question comes first, then the window (got $status)" test "$status" -eq 0
expect first_start "a cancelled question stores no choice" grep -qx "ui_language=" "$home/.config/Lapmark/Lapmark.conf"

run japanese "$build" "ui_language=ja" "Lapmark ラップタイマー"
expect japanese "a stored Japanese starts a Japanese window (got $status)" test "$status" -eq 0

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
