#!/usr/bin/env bash
# 40-fuzz.sh -- builds the answer reader's fuzz target with clang and feeds it a
# fixed number of inputs, so a run takes the same time and can be repeated.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${FUZZ_BUILD:-build-fuzz}
runs=${FUZZ_RUNS:-500000}
sanitizers="address,undefined -fno-sanitize-recover=all"
warnings="-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Werror"

cmake -S . -B $build -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,$sanitizers"
cmake --build $build -j "$(nproc)" --target subnetter_core
clang++ -std=c++20 -g -O1 $warnings -fsanitize=fuzzer,$sanitizers -Isrc \
  tests/fuzz/answer_reader_fuzz.cpp $build/libsubnetter_core.a -o $build/answer_reader_fuzz

# Seeds: the answers of a whole session, and a token longer than the reader's buffer.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
{ printf '\x10\0\1\2\3\4\5\0\1\2\3\4\5\0\1\2\3'; printf '1 4 9 N\n192.168.1.77\n26\n0 0\n\n2\n'; } > "$corpus/session"
{ printf '\x03\0\1\3'; head -c 70000 /dev/zero | tr '\0' 7; printf ' 12 3\n10.0.0.1\n'; } > "$corpus/long_token"

cd $build
./answer_reader_fuzz -runs="$runs" -seed=1 -max_len=140000 "$corpus" </dev/null
