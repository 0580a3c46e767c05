# Shared by the test scripts that count checks (sourced, once $work names the caller's temporary
# folder): `check WHAT COMMAND...` counts COMMAND's success and on failure shows WHAT and what
# COMMAND printed; `finish` prints the closing line and fails if any check did.

failures=0 passes=0

check() {
  local what=$1
  shift
  if "$@" > "$work/check.log" 2>&1; then
    passes=$((passes + 1))
  else
    failures=$((failures + 1))
    echo "FAILED: $what"
    sed 's/^/    /' "$work/check.log" | head -20
  fi
}

finish() {
  echo "$passes passed, $failures failed"
  [ "$failures" -eq 0 ]
}
