#!/bin/sh
# Runs one test under Wine and returns only once every process of the test's Wine prefix has
# ended, so that the next test starts a Wine of its own on a display of its own.
#   under_wine.sh COMMAND...
"$@"
status=$?
wineserver -w
exit $status
