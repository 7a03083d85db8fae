#!/usr/bin/env bash
# large_exports.sh -- times big quick exports, scripted listings and the longest skip walk.
#
# Usage: bench/large_exports.sh [FOLDER] [PAIRS]   (run by hand; needs about 5 GB free in FOLDER)
# Builds a release subnetter, then in FOLDER times the quick export of 10.0.0.1
# at prefixes 30 (every one of 4,194,304 subnets, about 1.7 GB), 22 and 26, and
# the skip walk from the first to the last subnet of 10.0.0.1/30 (16,777,212
# single steps) on screen, with its one pause.
#
# Scripted listings: every subnet of 10.0.0.1/30 and /26 on screen, the
# answers from a file (0 0, then one line per pause), standard output to a
# file in FOLDER; and the /30 listing shown on screen and exported (Quick
# Export N). PAIRS alternating runs of the quick export of the same network
# and of the listing; medians of the listing's wall time and user CPU, and of
# the ratios listing/quick export.
#
# Page cache: PAIRS (default 5) alternating runs of the program and of
# `dd bs=1M` writing as many bytes, each into a fresh file (the old one removed
# before the clock starts), nothing synced; medians of the wall times, of the
# program's user CPU and of the ratios program/dd. This is what a user waits for.
# Disk: one more run of each until the bytes are on the disk (sync, and dd
# with conv=fdatasync), which measures the disk as much as the program.
# Checks the /30 file against an independent generator, then deletes every big file.
#
# Besides POSIX's tools it needs bash 5, GNU time (its -f) and GNU coreutils'
# dd (iflag=count_bytes), sync (--data) and sha256sum: on macOS and the BSDs,
# from their coreutils and gtime packages, named as here first in PATH.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
folder="${1:-$repo/build-bench/run}"
pairs="${2:-5}"
build="$repo/build-bench"

# Checked before anything is built or written, and named with the Debian package that brings it.
for need in /usr/bin/time:time python3:python3 cmake:cmake; do
  command -v "${need%%:*}" >/dev/null ||
    { echo "large_exports.sh needs ${need%%:*} (on Debian: apt-get install ${need#*:})" >&2; exit 1; }
done
# The folder is named absolutely for the runs, which work inside it; realpath needs it to exist.
mkdir -p "$folder"
folder="$(realpath "$folder")"
free_kib=$(df -Pk "$folder" | awk 'NR == 2 { print $4 }')
[ "$free_kib" -gt 5000000 ] || { echo "need about 5 GB free in $folder" >&2; exit 1; }

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(getconf _NPROCESSORS_ONLN)" --target subnetter >/dev/null
subnetter="$build/subnetter"
cd "$folder"
trap 'rm -f "$folder"/Result_*.txt "$folder"/dd.out "$folder"/screen.out "$folder"/time.out "$folder"/*answers.txt "$folder"/check.out' EXIT

size_of() { wc -c < "$1" | tr -d ' '; }
elapsed_since() { awk -v from="$1" -v to="$EPOCHREALTIME" 'BEGIN { print to - from }'; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run of the calculator on ANSWERS (default answers.txt); sets seconds, user, peak_kib and
# bytes (of the export, or else of the screen; "both" adds them). With "disk", until the export is on the disk.
run_program() { # [disk|both] [ANSWERS]
  rm -f Result_*.txt screen.out
  [ "${1:-}" = disk ] && sync
  local start=$EPOCHREALTIME
  /usr/bin/time -f '%U %M' -o time.out "$subnetter" < "${2:-answers.txt}" > screen.out
  [ "${1:-}" = disk ] && [ -e Result_1.txt ] && sync --data Result_1.txt
  seconds=$(elapsed_since "$start")
  read -r user peak_kib < time.out
  if [ "${1:-}" = both ]; then bytes=$(( $(size_of Result_1.txt) + $(size_of screen.out) ))
  elif [ -e Result_1.txt ]; then bytes=$(size_of Result_1.txt); else bytes=$(size_of screen.out); fi
}

# dd writing `bytes` bytes into a fresh file; sets dd_seconds.
run_dd() { # [disk]
  rm -f dd.out
  local sync_flag=() start
  [ "${1:-}" = disk ] && { sync; sync_flag=(conv=fdatasync); }
  start=$EPOCHREALTIME
  dd if=/dev/zero of=dd.out bs=1M count="$bytes" iflag=count_bytes status=none "${sync_flag[@]}"
  dd_seconds=$(elapsed_since "$start")
  rm -f dd.out
}

# Alternating runs in the page cache, then one each to the disk, for the answers in answers.txt.
measure() { # name [no-dd]
  local walls=() users=() dds=() ratios=()
  for _ in $(seq "$pairs"); do
    run_program
    walls+=("$seconds"); users+=("$user")
    if [ -z "${2:-}" ]; then run_dd; dds+=("$dd_seconds"); ratios+=("$(awk -v a="$seconds" -v b="$dd_seconds" 'BEGIN { print a / b }')"); fi
  done
  local wall; wall=$(median "${walls[@]}")
  printf '%-34s %13d B  page cache: %7.3f s, user CPU %5.2f s, peak %5d KiB' \
    "$1" "$bytes" "$wall" "$(median "${users[@]}")" "$peak_kib"
  if [ -n "${2:-}" ]; then echo; return; fi
  printf ', %6.0f MB/s, dd %7.3f s, median ratio x%.2f' \
    "$(awk -v b="$bytes" -v s="$wall" 'BEGIN { print b / s / 1e6 }')" "$(median "${dds[@]}")" "$(median "${ratios[@]}")"
  run_program disk
  local disk_seconds=$seconds
  run_dd disk
  printf ' | on the disk: %7.3f s, dd %7.3f s, ratio x%.2f\n' "$disk_seconds" "$dd_seconds" \
    "$(awk -v a="$disk_seconds" -v b="$dd_seconds" 'BEGIN { print a / b }')"
}

quick_export() { # prefix
  printf '\n1 4 9 Y Y\n10.0.0.1\n%s\n2\n\n' "$1" > answers.txt
  measure "quick export 10.0.0.1/$1"
}

# Every subnet of 10.0.0.1/PREFIX on screen, answered as a script would: all
# of them, then one line per pause. "export" exports it too (Quick Export N).
listing() { # prefix [export]
  local subnets=$(( 1 << ($1 - 8) )) name="listing 10.0.0.1/$1" answers="\n1 4 9 N\n" ending='2\n' both=
  [ -n "${2:-}" ] && { name="$name shown and exported"; answers="\n1 4 9 Y N\n"; ending='2\n\n'; both=both; }
  printf '\n1 4 9 Y Y\n10.0.0.1\n%s\n2\n\n' "$1" > quick_answers.txt
  { printf "$answers"'10.0.0.1\n%s\n0 0\n' "$1"; awk -v n="$subnets" 'BEGIN { for (i = 0; i < n; i++) print "" }'; printf "$ending"; } > listing_answers.txt
  local walls=() users=() quick_walls=() ratios=()
  for _ in $(seq "$pairs"); do
    run_program "" quick_answers.txt
    quick_walls+=("$seconds")
    run_program "$both" listing_answers.txt
    walls+=("$seconds"); users+=("$user")
    ratios+=("$(awk -v a="$seconds" -v b="${quick_walls[-1]}" 'BEGIN { print a / b }')")
  done
  local wall; wall=$(median "${walls[@]}")
  printf '%-34s %13d B  page cache: %7.3f s, user CPU %5.2f s, peak %5d KiB, %6.0f MB/s, quick export %7.3f s, median ratio x%.2f\n' \
    "$name" "$bytes" "$wall" "$(median "${users[@]}")" "$peak_kib" \
    "$(awk -v b="$bytes" -v s="$wall" 'BEGIN { print b / s / 1e6 }')" "$(median "${quick_walls[@]}")" "$(median "${ratios[@]}")"
  rm -f Result_*.txt screen.out
}

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo 2>/dev/null || uname -m)
echo "machine: $(getconf _NPROCESSORS_ONLN) cores, $cpu, folder on $(df -P "$folder" | awk 'NR == 2 { print $1 }'); $pairs pairs"
quick_export 30
echo "independent check of the /30 file:"
python3 "$repo/bench/independent_export.py" 10.0.0.1 30 Result_1.txt > check.out
read -r size sum < check.out
tail -2 check.out
echo "size $( [ "$(size_of Result_1.txt)" = "$size" ] && echo matches || echo DIFFERS )"
echo "sha256 $( [ "$(sha256sum < Result_1.txt | cut -d' ' -f1)" = "$sum" ] && echo matches || echo DIFFERS )"
quick_export 22
quick_export 26
listing 30
listing 26
listing 30 export

printf '\n1 4 9 N\n10.0.0.1\n30\n4194304 4194304\n\n2\n' > answers.txt
measure "skip walk to subnet 4194304 (/30)" no-dd
