#!/usr/bin/env bash
# run_sessions.sh -- replays every recorded session through subnetter.exe under
# wine and compares its screen and result files, with Windows line ends.
#
# Usage: run_sessions.sh PATH/subnetter.exe
# A session is a folder holding input.txt (piped in), screen.txt (the whole
# standard output) and any Result_N.txt the run must leave behind.
set -uo pipefail

exe=$(realpath "$1")
tests=$(cd "$(dirname "$0")/.." && pwd)
wine=${WINE:-/usr/lib/wine/wine64}
export WINEDEBUG=-all

passed=0
failed=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

with_crlf() {
    perl -pe 's/\n/\r\n/' "$1"
}

# Prints what differs between the expected file $1 (LF) and the actual $2.
compare() {
    if ! cmp -s <(with_crlf "$1") "$2"; then
        echo "  $(basename "$1") differs:"
        diff <(with_crlf "$1" | cat -A) <(cat -A "$2") | head -20
        return 1
    fi
}

replay() {
    local session=$1 folder=$scratch/run ok=0
    rm -rf "$folder" && mkdir "$folder"
    (cd "$folder" && timeout 120 "$wine" "$exe" < "$session/input.txt" > "$scratch/screen" 2>/dev/null)
    local status=$?
    [ $status -eq 0 ] || { echo "  exit status $status"; ok=1; }
    compare "$session/screen.txt" "$scratch/screen" || ok=1
    for expected in "$session"/Result_*.txt; do
        [ -e "$expected" ] || continue
        local name=${expected##*/}
        if [ -e "$folder/$name" ]; then
            compare "$expected" "$folder/$name" || ok=1
        else
            echo "  $name missing"; ok=1
        fi
    done
    for left in "$folder"/*; do
        [ -e "$left" ] && [ ! -e "$session/${left##*/}" ] && { echo "  unexpected file ${left##*/}"; ok=1; }
    done
    return $ok
}

for session in "$tests"/e2e/sessions/*/ "$tests"/dialogs/sessions/*/; do
    [ -f "$session/input.txt" ] || continue
    session=${session%/}
    name=${session#"$tests"/}
    if replay "$session"; then
        passed=$((passed + 1))
    else
        echo "FAILED $name"
        failed=$((failed + 1))
    fi
done

echo "sessions: $passed passed, $failed failed"
[ $failed -eq 0 ] && [ $passed -gt 0 ]
