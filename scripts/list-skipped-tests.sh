#!/usr/bin/env bash
# Prints each test, and each test function, that the last CTest run in BUILD_DIR
# skipped, with the reason it gave: CTest's own summary names skipped tests
# only, and their output is shown with -V alone.
set -euo pipefail
log="${1:?usage: list-skipped-tests.sh BUILD_DIR}/Testing/Temporary/LastTest.log"
[[ -f "$log" ]] || exit 0

skipped=$(awk '
  /^[0-9]+\/[0-9]+ Test: / { test = $3 }
  /^SKIPPED: / { print "  " test ": " substr($0, 10) }
  /^SKIP   : / { print "  " test ": " substr($0, 10) }
' "$log")
[[ -z "$skipped" ]] || printf 'Skipped, and why:\n%s\n' "$skipped"
