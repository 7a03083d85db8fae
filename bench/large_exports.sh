#!/usr/bin/env bash
# large_exports.sh -- times big quick exports and the longest skip walk against dd on one folder.
#
# Usage: bench/large_exports.sh [FOLDER]   (run by hand; needs about 4 GB free in FOLDER)
# Builds a release subnetter, then in FOLDER times: the quick export of 10.0.0.1
# at prefixes 30 (every one of 4,194,304 subnets, about 1.7 GB), 22 and 26; dd
# writing the same bytes with bs=1M; and the skip walk from the first to the last
# subnet of 10.0.0.1/30 (16,777,212 single steps) on screen, with its one pause.
# Every time runs until the bytes are on the disk (sync; dd with conv=fdatasync).
# Checks the /30 file against an independent generator, then deletes every big file.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
folder="$(realpath "${1:-$repo/build-bench/run}")"
build="$repo/build-bench"
mkdir -p "$folder"

[ -x /usr/bin/time ] || { echo "installing time (for peak memory)"; apt-get update -qq && apt-get install -y -qq time; }
df -h "$folder"
free_kib=$(df --output=avail -k "$folder" | tail -1)
[ "$free_kib" -gt 4000000 ] || { echo "need about 4 GB free in $folder" >&2; exit 1; }

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSUBNETTER_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target subnetter >/dev/null
subnetter="$build/subnetter"
cd "$folder"
trap 'rm -f "$folder"/Result_*.txt "$folder"/dd.out "$folder"/screen.out "$folder"/time.out "$folder"/answers.txt "$folder"/check.out' EXIT

elapsed_since() { awk -v from="$1" -v to="$EPOCHREALTIME" 'BEGIN { print to - from }'; }

# Runs the calculator on answers.txt from a clean page cache until its export is
# on the disk; sets seconds, peak_kib and bytes (of the export, or else of the screen).
run_to_disk() {
  rm -f Result_*.txt
  sync
  local start=$EPOCHREALTIME
  /usr/bin/time -v -o time.out "$subnetter" < answers.txt > screen.out
  if [ -e Result_1.txt ]; then sync --data Result_1.txt; bytes=$(stat -c %s Result_1.txt); else bytes=$(stat -c %s screen.out); fi
  seconds=$(elapsed_since "$start")
  peak_kib=$(awk -F': ' '/Maximum resident/ { print $2 }' time.out)
}

# Prints the figures of the last run beside those of dd writing as many bytes to the disk.
report() { # name
  sync
  local start=$EPOCHREALTIME
  dd if=/dev/zero of=dd.out bs=1M count="$bytes" iflag=count_bytes conv=fdatasync status=none
  local dd_seconds; dd_seconds=$(elapsed_since "$start")
  rm -f dd.out
  awk -v name="$1" -v s="$seconds" -v b="$bytes" -v kib="$peak_kib" -v dd="$dd_seconds" 'BEGIN {
    printf "%-34s %7.3f s %11d B %7.1f MB/s %5d KiB   dd %7.3f s  x%.2f\n", name, s, b, b / s / 1e6, kib, dd, s / dd }'
}

quick_export() { # prefix
  printf '\n1 4 9 Y Y\n10.0.0.1\n%s\n2\n\n' "$1" > answers.txt
  run_to_disk
  report "quick export 10.0.0.1/$1"
}

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(df --output=fstype "$folder" | tail -1) on $(df --output=source "$folder" | tail -1)"
quick_export 30
echo "independent check of the /30 file:"
python3 "$repo/bench/independent_export.py" 10.0.0.1 30 Result_1.txt > check.out
read -r size sum < check.out
tail -2 check.out
echo "size $( [ "$(stat -c %s Result_1.txt)" = "$size" ] && echo matches || echo DIFFERS )"
echo "sha256 $( [ "$(sha256sum < Result_1.txt | cut -d' ' -f1)" = "$sum" ] && echo matches || echo DIFFERS )"
quick_export 22
quick_export 26

printf '\n1 4 9 N\n10.0.0.1\n30\n4194304 4194304\n\n2\n' > answers.txt
run_to_disk
report "skip walk to subnet 4194304 (/30)"
