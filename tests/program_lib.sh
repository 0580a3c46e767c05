# Shared by the whole-program tests (sourced): runs Lapmark with a throwaway home, drives its
# windows with the window driver, and counts expectations. Set $driver before calling run_program.

work=$(mktemp -d)
# A script that ends early (a failure, a timeout) ends the program it started too.
program_pid=
trap '[ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null; chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
main_window="Lapmark|Lapmark ラップタイマー|Lapmark 计时器"

# run_program NAME PROGRAM DIR STORED STEP...: starts PROGRAM in DIR with a fresh home whose
# settings file holds STORED (no file when empty), drives it with the window driver's STEPs, and
# leaves the driver's status in $drove, the program's in $status and the settings file's path in
# $settings. Hooks: $prepare_home names a function run once $home and $settings are set;
# $remove_cwd removes DIR right after the program's shell has entered it; $program_args are
# passed to the program and $program_env (VAR=value words) put in its environment only.
run_program() {
  local name=$1 program=$2 dir=$3 stored=$4
  shift 4
  home=$work/$name-home
  settings=$home/.config/Lapmark/Lapmark.conf
  mkdir -p "$home/.config/Lapmark"
  [ -n "$stored" ] && printf '%s\n' "$stored" > "$settings"
  [ -n "${prepare_home:-}" ] && "$prepare_home"
  (cd "$dir" || exit 1
   [ -n "${remove_cwd:-}" ] && rm -rf "$dir"
   # shellcheck disable=SC2086 # the arguments are words
   # The time limits here only end a hang (a program left waiting for a user, a window that never
   # comes): generous, so a slow or loaded machine is never a failure.
   HOME=$home XDG_CONFIG_HOME=$home/.config exec env ${program_env:-} timeout 600 "$program" ${program_args:-}) > "$work/$name.out" 2>&1 &
  local pid=$!
  program_pid=$pid
  "$driver" timeout=120 "$@" >> "$work/$name.out" 2>&1
  drove=$?
  # A step that failed leaves the program waiting for a user: no reason to wait for it too.
  [ "$drove" -eq 0 ] || kill "$pid" 2>/dev/null
  wait "$pid"
  status=$?
  program_pid=
}

# expect NAME WHAT COMMAND...: counts COMMAND's success; on failure shows WHAT and NAME's output.
expect() {
  local name=$1 what=$2
  shift 2
  if "$@"; then
    passes=$((passes + 1))
  else
    failures=$((failures + 1))
    echo "FAILED: $name: $what"
    grep -a -v -e '^$' -e 'dconf-WARNING' "$work/$name.out" 2>/dev/null | head -20 | sed 's/^/    /'
  fi
}

# ran_cleanly NAME: the driver got through every step and the program ended with status 0.
ran_cleanly() {
  expect "$1" "the program was driven through its windows (driver said $drove)" test "$drove" -eq 0
  expect "$1" "it ended with status 0 (got $status)" test "$status" -eq 0
}
