#!/usr/bin/env bash
# Starts the real program the ways a user may and looks at how it starts and ends: without a
# display, with command-line options, without its icon, at the very first start, a second time
# beside the first, and in each language. Needs a display (xvfb-run).
#   program_starts.sh LAPMARK WINDOW_DRIVER BUILD_DIR
set -u
lapmark=$1 driver=$2 build=$3
. "$(dirname "$0")/../program_lib.sh"
main=$main_window

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

# A second start by the same user brings the first window to the front (here from under a window
# over the whole screen) and ends at once with status 0: one window, one run.
second="cd $build && env HOME=$work/second_start-home XDG_CONFIG_HOME=$work/second_start-home/.config XDG_STATE_HOME=$work/second_start-home/.local/state"
run_program second_start "$lapmark" "$build" "ui_language=default" "wait=$main" "cover" \
  "run=$second $lapmark > $work/second.out 2>&1; echo \$? > $work/second.status" \
  "top=$main" "count=$main:1" "close=$main"
ran_cleanly second_start
expect second_start "the second start ended with status 0" test "$(cat "$work/second.status")" = 0

# Started again without XDG_RUNTIME_DIR (from a terminal, say, when a launcher gave it): still the
# same Lapmark, brought to the front.
bare_second="cd $build && env -u XDG_RUNTIME_DIR HOME=$work/no_runtime-home XDG_CONFIG_HOME=$work/no_runtime-home/.config XDG_STATE_HOME=$work/no_runtime-home/.local/state"
mkdir -p "$work/runtime"
XDG_RUNTIME_DIR=$work/runtime run_program no_runtime "$lapmark" "$build" "ui_language=default" "wait=$main" \
  "run=$bare_second timeout 60 $lapmark > $work/bare_second.out 2>&1; echo \$? > $work/bare_second.status" \
  "count=$main:1" "close=$main"
ran_cleanly no_runtime
expect no_runtime "the second start ended with status 0" test "$(cat "$work/bare_second.status")" = 0

# The lock held by a live process that is not Lapmark (a process id used again after a crash, or a
# killed Lapmark not yet reaped), naming that process: nothing answers, so this start opens its own
# window, and says why. The lock's name is the user's and a 64-bit FNV-1a of the settings folder.
lock_name() {
  local text=$1 hash=1469598103934665603 i byte
  for ((i = 0; i < ${#text}; i++)); do
    printf -v byte '%d' "'${text:i:1}"
    hash=$(( (hash ^ byte) * 1099511628211 ))
  done
  printf 'lapmark-%s-%016x.lock' "$(id -un)" "$hash"
}
lock_folder=/tmp
[ -d "/run/user/$(id -u)" ] && lock_folder=/run/user/$(id -u)
stale_lock=$lock_folder/$(lock_name "$work/stale_lock-home/.config")
rm -f "$stale_lock"
touch "$stale_lock" && chmod 600 "$stale_lock"
flock -o "$stale_lock" sleep 600 < /dev/null > /dev/null 2>&1 &
helper_pid=$!
echo "$helper_pid" > "$stale_lock"
program_env="-u XDG_RUNTIME_DIR" run_program stale_lock "$lapmark" "$build" "ui_language=default" \
  "wait=$main" "count=$main:1" "close=$main"
ran_cleanly stale_lock
expect stale_lock "it says why it opened a window of its own" grep -q "does not answer" "$work/stale_lock.out"
pkill -P "$helper_pid"
rm -f "$stale_lock"

# The About box's title says which catalog was loaded.
in_japanese=("keys=Lapmark:alt+a" "close=バージョン情報..." "close=Lapmark")
run_program japanese "$lapmark" "$build" "ui_language=ja" "${in_japanese[@]}"
ran_cleanly japanese

# "default" follows the system's language, from LANG or the list of preferred ones in LANGUAGE.
LANG=ja_JP.UTF-8 run_program system_japanese "$lapmark" "$build" "ui_language=default" "${in_japanese[@]}"
ran_cleanly system_japanese
LANG=C LANGUAGE=fr:zh_CN run_program preferred_chinese "$lapmark" "$build" "ui_language=default" \
  "keys=Lapmark:alt+a" "close=关于..." "close=Lapmark"
ran_cleanly preferred_chinese

finish
