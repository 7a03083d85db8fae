#!/usr/bin/env bash
# standard_descriptors.sh -- a closed standard descriptor never lends its number to the export
# file, and input left non-blocking is waited for, not taken for its end.
# Usage: standard_descriptors.sh PATH/subnetter
set -u
program=$(realpath "$1")
session=$(cd "$(dirname "$0")/sessions/quick_export" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

check() { # what, status
  if [ "$2" != 0 ] || ! cmp -s "$scratch/Result_1.txt" "$session/Result_1.txt"; then
    echo "$1: status $2, Result_1.txt $(wc -c < "$scratch/Result_1.txt" 2>&1)"
    failed=1
  fi
  rm -f "$scratch"/*
}

(cd "$scratch" && "$program" < "$session/input.txt" >&-)
check "output closed" $?
(cd "$scratch" && "$program" < "$session/input.txt" >&- 2>&-)
check "output and errors closed" $?

# The answers after the address come once the program asks for it, so its non-blocking read finds nothing first.
(cd "$scratch" && {
  head -n 6 "$session/input.txt"
  for _ in $(seq 400); do grep -q "decimal form: " screen 2> /dev/null && break; sleep 0.05; done
  tail -n +7 "$session/input.txt"
} | python3 -c 'import fcntl, os, sys; fcntl.fcntl(0, fcntl.F_SETFL, os.O_NONBLOCK); os.execv(sys.argv[1], sys.argv[1:])' \
  "$program" > screen)
status=$?
rm -f "$scratch/screen"
check "input non-blocking" $status

# No input at all: the program ends at the splash and leaves nothing.
(cd "$scratch" && "$program" <&- > /dev/null) && [ -z "$(ls "$scratch")" ] || { echo "input closed: $(ls "$scratch")"; failed=1; }
exit $failed
