#!/usr/bin/env bash
# Every include between rooms runs downward, floor by floor: resources and desktop at the bottom
# (they know nothing of each other), then l10n,
# about and timing (which know nothing of each other), then mainwin, then app on top.
#   include_floors.sh SOURCE_DIR
set -u
. "$(dirname "$0")/checks.sh"
cd "$1" || exit 2
floor() { case $1 in resources | desktop) echo 0 ;; l10n | about | timing) echo 1 ;; mainwin) echo 2 ;; app) echo 3 ;; *) echo 9 ;; esac; }
while IFS=: read -r file line text; do
  from=${file#src/}
  from=${from%%/*}
  to=$(sed -E 's/.*#include "([a-z0-9]+)\/.*/\1/' <<< "$text")
  [ "$from" = "$to" ] && continue
  [ "$(floor "$to")" -lt "$(floor "$from")" ]
  tally $? "$file:$line includes $to, which is not below $from"
done < <(grep -rn '#include "[a-z0-9]*/' src)
finish && [ "$passes" -gt 0 ]
