#!/usr/bin/env bash
# 50-windows.sh -- cross-builds subnetter.exe and the unit tests for Windows,
# then runs the tests and every recorded session under wine.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=build-windows-test
cmake -S . -B $build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DSUBNETTER_WERROR=ON -DSUBNETTER_GOOGLETEST_SOURCE=/usr/src/googletest
cmake --build $build -j "$(nproc)"

# A prefix of our own, made by wineboot first so that no timed test pays for it.
export WINEDEBUG=-all WINEPREFIX="$PWD/$build/wine-prefix"
/usr/lib/wine/wine64 wineboot --init </dev/null >/dev/null 2>&1 || true
/usr/lib/wine/wineserver --wait

ctest --test-dir $build --label-regex emulated --output-on-failure -j "$(nproc)" </dev/null
tests/windows/run_sessions.sh $build/subnetter.exe </dev/null

# The console path: wine draws the Windows console in a tmux window.
python3 tests/terminal/terminal_test.py "/usr/lib/wine/wine64 $build/subnetter.exe" </dev/null
