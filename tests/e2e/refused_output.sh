#!/usr/bin/env bash
# refused_output.sh -- a pipe or file that refuses the screen's text ends the program with status 1
# and the reason on standard error, instead of a run that looks successful with every line lost.
# Usage: refused_output.sh PATH/subnetter
set -u
program=$1
err=$(mktemp)
trap 'rm -f "$err"' EXIT
answers='\n1 3 9 N\n192.168.1.1\n\n\n2\n'
failed=0

expect_refused() { # what, status, reason
  if [ "$2" != 1 ] || [ "$(cat "$err")" != "subnetter: writing to standard output failed: $3" ]; then
    echo "$1: status $2, standard error: $(cat "$err")"
    failed=1
  fi
}

printf "$answers" | "$program" > /dev/full 2> "$err"
expect_refused "full device" $? "No space left on device"

# The reader is gone long before the answers come, so every write after the splash meets a closed pipe.
(trap '' PIPE; { sleep 1; printf "$answers" 2> /dev/null; } | "$program" 2> "$err" | true; exit "${PIPESTATUS[1]}")
expect_refused "closed pipe, SIGPIPE ignored" $? "Broken pipe"
exit $failed
