#!/usr/bin/env bash
# A run outlives the program: killed (as a crash or a power cut ends it) it comes back at its last
# row, closed while timing (by the close box, or by SIGTERM as at a logout) it comes back with a
# Stop row at the close, with or without a split before, both with the buttons as after a Stop and
# Start resuming it; after a confirmed Reset the next start is a first start's. A crash right after
# a torn last record was cut away keeps every record before it. A disk
# that takes 200 ms to flush delays no stamp. The boot-time clock is held still and moved by the
# test (through the clock shim, which also slows and logs the disk's flushes), and each step waits
# until the run file holds what it should, durably. Read as a screen reader reads the window, in
# a session bus of its own.
#   program_keeps.sh LAPMARK WINDOW_DRIVER BUILD_DIR CLOCK_SHIFT_LIBRARY
set -u
lapmark=$1 driver=$2 build=$3 clock_shift=$4
. "$(dirname "$0")/../program_lib.sh"
main=Lapmark
# flushed N: waits until the run file holds N records after its first line, all of them flushed
# to the disk (the last flush covered the whole file). 60 s bounds a hang.
flushed() {
  echo "run=timeout 60 sh -c 'until [ \"\$(wc -l < \$0)\" = $((${1} + 1)) ] && [ \"\$(tail -n 1 \$1)\" = \"\$(stat -c %s \$0)\" ]; do sleep 0.02; done' \$run_file \$flush_log"
}
# stopped_at TOTAL LAP ROW...: the window shows these rows and readouts, with Start and Reset.
stopped_at() {
  local total=$1 lap=$2 n=0 checks=()
  shift 2
  for row; do checks+=("'row=$main:$n:#$((n + 1))|$row'"); n=$((n + 1)); done
  reads "rows=$main:$n" "${checks[@]}" "'shows=$main:Total time=$total|Lap time=$lap'" "'buttons=$main:Start|Reset'"
}
export run_file flush_log
# keep NAME STEP...: runs the program on NAME's home (the same home each time), run file and log.
keep() {
  local name=$1
  shift
  run_file=$work/$name-home/.local/state/Lapmark/run.txt flush_log=$work/$name.flushes
  run_file_folder=${run_file%/*}
  program_env="-u NO_AT_BRIDGE $(held_clock) LAPMARK_FLUSH_LOG=$flush_log ${slow:-} ${program_env_extra:-}" \
    run_program "$name" "$lapmark" "$build" "ui_language=default" "wait=$main" "$@"
}
rm -f "$clock"
# Nothing is written before the first record.
three_splits=("$(at 100000)" "keys=$main:alt+s" "$(at 101200)" "keys=$main:alt+t"
  "$(at 102500)" "keys=$main:alt+t" "$(at 103000)" "keys=$main:alt+t" "$(flushed 4)")

# Killed after three splits: back at the last row, stopped.
keep killed "${three_splits[@]}" "kill=$main"
expect killed "the driver started, split and killed it (driver said $drove)" test "$drove" -eq 0
# The folders made for the file are new names too: each one's parent was flushed, the home's last.
expect killed "every folder made for the run file was flushed" \
  test "$(grep '^folder' "$flush_log" | tr '\n' ' ')" = "folder $run_file_folder folder ${run_file_folder%/*} folder $work/killed-home/.local folder $work/killed-home "
keep killed "$(stopped_at 00:00:03.0 00:00:00.0 "Split|00:00:01.2" "Split|00:00:02.5" "Split|00:00:03.0")" "close=$main"
ran_cleanly killed

# A record torn by a crash, and the program killed the moment the next record has cut it away:
# the records before it are all there.
printf 'L 40' >> "$run_file"
program_env_extra=LAPMARK_DIE_AFTER_CUT=1 keep killed "keys=$main:alt+s" "gone=$main"
expect killed "the program died at the cut (status $status)" test "$status" -ne 0
keep killed "$(stopped_at 00:00:03.0 00:00:00.0 "Split|00:00:01.2" "Split|00:00:02.5" "Split|00:00:03.0")" "close=$main"
ran_cleanly killed

# Closed while timing: back stopped at the close; Start resumes it, and a Yes to Reset clears it.
keep closed "${three_splits[@]}" "$(at 104000)" "close=$main"
ran_cleanly closed
keep closed "$(stopped_at 00:00:04.0 00:00:01.0 "Split|00:00:01.2" "Split|00:00:02.5" "Split|00:00:03.0" "Stop|00:00:04.0")" \
  "$(at 110000)" "keys=$main:alt+s" "$(at 111000)" "keys=$main:alt+s" \
  "$(flushed 7)" "close=$main"
ran_cleanly closed
keep closed "$(stopped_at 00:00:05.0 00:00:02.0 "Split|00:00:01.2" "Split|00:00:02.5" "Split|00:00:03.0" "Stop|00:00:04.0" "Stop|00:00:05.0")" \
  "keys=$main:alt+t" "keys=Confirm:alt+y" "gone=Confirm" "$(flushed 0)" "close=$main"
ran_cleanly closed
keep closed "$(stopped_at 00:00:00.0 00:00:00.0)" "close=$main"
ran_cleanly closed

# Ended by SIGTERM ten minutes in, before any split: it comes back stopped there, a Stop row at
# the close, and Start resumes it.
keep ended "$(at 100000)" "keys=$main:alt+s" "$(at 700000)" "term=$main"
expect ended "the driver started and ended it (driver said $drove)" test "$drove" -eq 0
keep ended "$(stopped_at 00:10:00.0 00:10:00.0 "Stop|00:10:00.0")" "$(at 701000)" "keys=$main:alt+s" \
  "$(at 702000)" "keys=$main:alt+s" "$(flushed 4)" "close=$main"
ran_cleanly ended

# Started again while the first one's last record takes two seconds to reach the disk: the second
# hears no answer, waits until the first has gone and opens with the run, never with no window.
again="run=cd $build && env -u NO_AT_BRIDGE HOME=$work/ending-home XDG_CONFIG_HOME=$work/ending-home/.config XDG_STATE_HOME=$work/ending-home/.local/state $lapmark > $work/again.out 2>&1 &"
slow=LAPMARK_SLOW_FLUSH=2000 keep ending "$(at 100000)" "keys=$main:alt+s" "$(flushed 1)" "$(at 101000)" \
  "close=$main" "$again" "$(stopped_at 00:00:01.0 00:00:01.0 "Stop|00:00:01.0")" "count=$main:1" "close=$main"
ran_cleanly ending

# Two presses 50 ms apart while the disk takes 200 ms a flush: both stamped at the press.
slow=LAPMARK_SLOW_FLUSH=200 keep slow "$(at 100000)" "keys=$main:alt+s" "$(flushed 1)" \
  "$(at 101000)" "repeat=$main:alt+t:2:50" "$(flushed 3)" "$(at 102000)" "keys=$main:alt+s" "$(flushed 4)" \
  "$(stopped_at 00:00:02.0 00:00:01.0 "Split|00:00:01.0" "Split|00:00:01.0" "Stop|00:00:02.0")" "close=$main"
ran_cleanly slow

[ "$failures" -eq 0 ] || sed 's/^/    /' "$work/reads" 2>/dev/null | tail -20
finish
