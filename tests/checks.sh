# Shared by the test scripts that count checks (sourced): `tally STATUS WHAT` counts one check by
# its status and names a failed one (and fails with it); `check WHAT COMMAND...` (once $work names the caller's
# temporary folder) counts COMMAND's success and on failure shows what it printed; `finish`
# prints the closing line and fails if any check did.

failures=0 passes=0

tally() {
  if [ "$1" -eq 0 ]; then
    passes=$((passes + 1))
  else
    failures=$((failures + 1))
    echo "FAILED: $2"
    return 1
  fi
}

check() {
  local what=$1
  shift
  "$@" > "$work/check.log" 2>&1
  tally $? "$what" || sed 's/^/    /' "$work/check.log" | head -20
}

finish() {
  echo "$passes passed, $failures failed"
  [ "$failures" -eq 0 ]
}
