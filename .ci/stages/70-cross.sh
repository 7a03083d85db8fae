#!/usr/bin/env bash
# 70-cross.sh -- cross-builds with zig (installed by .ci/run from cmake/zig's
# lockfile): the program for macOS on Intel and on Apple silicon, checked by
# what `file` says of it, as nothing here can run it; then a static x86_64
# program on musl with the unit tests, all of which run here as they are:
# the tests, every recorded session (tests/e2e/replay.py), and the ways out.
set -euo pipefail
cd "$(dirname "$0")/../.."
jobs=$(nproc)

# cross_build TARGET [CMAKE OPTIONS...]: configures and builds build-TARGET, warnings as errors.
cross_build() {
  local target=$1
  shift
  cmake -S . -B "build-$target" -DCMAKE_TOOLCHAIN_FILE="cmake/zig-$target.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DSUBNETTER_WERROR=ON "$@"
  cmake --build "build-$target" -j "$jobs"
}

# must_say FILE TEXT: what `file` says of FILE holds TEXT.
must_say() {
  local said
  said=$(file -b "$1")
  echo "$1: $said"
  case "$said" in *"$2"*) ;; *) echo "$1 is not a $2"; exit 1 ;; esac
}

cross_build x86_64-macos -DBUILD_TESTING=OFF
must_say build-x86_64-macos/subnetter "Mach-O 64-bit x86_64 executable"
cross_build aarch64-macos -DBUILD_TESTING=OFF
must_say build-aarch64-macos/subnetter "Mach-O 64-bit arm64 executable"

cross_build x86_64-linux-musl -DSUBNETTER_GOOGLETEST_SOURCE=/usr/src/googletest
must_say build-x86_64-linux-musl/subnetter "static-pie linked"
.ci/every_test_ran ctest --test-dir build-x86_64-linux-musl --label-regex emulated --output-on-failure --no-tests=error -j "$jobs" </dev/null
python3 tests/e2e/replay.py build-x86_64-linux-musl/subnetter sessions </dev/null
python3 tests/e2e/ways_out.py build-x86_64-linux-musl/subnetter </dev/null
sha256sum build-x86_64-macos/subnetter build-aarch64-macos/subnetter build-x86_64-linux-musl/subnetter
