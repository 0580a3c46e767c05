# Shared by the whole-program tests of both platforms (sourced): starts the program, drives its
# windows with the window driver and counts expectations. Set $driver before driving.

work=$(mktemp -d)
# A script that ends early (a failure, a timeout) ends the program it started too, and the
# helper it started beside it ($helper_pid).
program_pid= helper_pid=
trap 'for pid in $program_pid $helper_pid; do kill "$pid" 2>/dev/null; done; chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
main_window="Lapmark"
# The clock shim's held clock (tests/gui/clock_shift.c, in $clock_shift): `held_clock` gives the
# environment words that put a program on it; `hold_clock MS [WALL]` sets its boot-time clock to
# MS milliseconds now (and moves the wall clock by WALL seconds), `at MS [WALL]` is a driver step
# that does so.
clock=$work/clock
held_clock() { echo "LD_PRELOAD=$clock_shift LAPMARK_CLOCK_SHIFT=$clock ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0"; }
hold_clock_command() { echo "printf '@%s %s' $1 ${2:-0} > $clock.new && mv $clock.new $clock"; }
hold_clock() { sh -c "$(hold_clock_command "$@")"; }
at() { echo "run=$(hold_clock_command "$@")"; }
# The screen reader's view of the program (tests/gui/screen_reader.py): `read_screen CHECK...`
# waits until it holds, `reads CHECK...` is a driver step that does so; 30 s bound a hang, and
# what it read goes to $work/reads.
screen_reader="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/gui/screen_reader.py example.quillora.Lapmark 30"
read_screen() { $screen_reader "$@" >> "$work/reads" 2>&1; }
reads() { echo "run=$screen_reader $* >> $work/reads 2>&1"; }
# wait_until CONDITION: waits until the shell CONDITION holds; 60 s bound a hang.
wait_until() { timeout 60 sh -c "until $1; do sleep 0.05; done"; }

# start_program OUT DIR COMMAND...: starts COMMAND in DIR with its output added to OUT. Hooks:
# $remove_cwd removes DIR right after the program's shell has entered it; $program_env
# (VAR=value words) is put in its environment only.
start_program() {
  local out=$1 dir=$2
  shift 2
  (cd "$dir" || exit 1
   [ -n "${remove_cwd:-}" ] && rm -rf "$dir"
   # The time limits here only end a hang (a program left waiting for a user, a window that never
   # comes): generous, so a slow or loaded machine is never a failure.
   # shellcheck disable=SC2086 # the variables are words
   exec env ${program_env:-} timeout 600 "$@") >> "$out" 2>&1 &
  program_pid=$!
}

# drive STEP...: one run of the window driver.
drive() {
  "$driver" timeout=120 "$@"
}

# end_program [FAILED]: waits for the program started last and leaves its status in $status. A
# FAILED other than 0 (the steps that drove it failed, and it waits for a user) ends it first.
end_program() {
  [ "${1:-0}" -eq 0 ] || kill "$program_pid" 2>/dev/null
  wait "$program_pid"
  status=$?
  program_pid=
}

# run_program NAME PROGRAM DIR STORED STEP...: starts PROGRAM in DIR with a fresh home whose
# settings file holds STORED (no file when empty), drives it with the window driver's STEPs, and
# leaves the driver's status in $drove, the program's in $status and the settings file's path in
# $settings. Hooks: those of start_program; $prepare_home names a function run once $home and
# $settings are set; $program_args are passed to the program.
run_program() {
  local name=$1 program=$2 dir=$3 stored=$4
  shift 4
  home=$work/$name-home
  settings=$home/.config/Lapmark/Lapmark.conf
  mkdir -p "$home/.config/Lapmark"
  [ -n "$stored" ] && printf '%s\n' "$stored" > "$settings"
  [ -n "${prepare_home:-}" ] && "$prepare_home"
  # shellcheck disable=SC2086 # the arguments are words
  start_program "$work/$name.out" "$dir" env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_STATE_HOME="$home/.local/state" \
    "$program" ${program_args:-}
  drive "$@" >> "$work/$name.out" 2>&1
  drove=$?
  end_program "$drove"
}

# expect NAME WHAT COMMAND...: counts COMMAND's success; on failure shows WHAT and NAME's output.
expect() {
  local name=$1 what=$2
  shift 2
  "$@"
  tally $? "$name: $what" ||
    grep -a -v -e '^$' -e 'dconf-WARNING' "$work/$name.out" 2>/dev/null | head -20 | sed 's/^/    /'
}

# ran_cleanly NAME: the driver got through every step and the program ended with status 0.
ran_cleanly() {
  expect "$1" "the program was driven through its windows (driver said $drove)" test "$drove" -eq 0
  expect "$1" "it ended with status 0 (got $status)" test "$status" -eq 0
}

# laps_are FILE HEADER ACTION...: the copied laps in FILE (CRLF or LF) are HEADER, then one
# numbered row per ACTION with a total and a lap.
laps_are() {
  local file=$1 header=$2 n=0 t=$'\t'
  local time='[0-9]{2}:[0-9]{2}:[0-9]{2}\.[0-9]'
  shift 2
  tr -d '\r' < "$file" > "$file.lf"
  [ "$(head -n 1 "$file.lf")" = "$header" ] || return 1
  for action; do
    n=$((n + 1))
    sed -n "$((n + 1))p" "$file.lf" | grep -Eq "^#$n$t$action$t$time$t$time$" || return 1
  done
  [ "$(wc -l < "$file.lf")" -eq $((n + 1)) ]
}
