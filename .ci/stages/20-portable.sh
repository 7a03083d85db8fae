#!/usr/bin/env bash
# 20-portable.sh -- every test again on a build with the Linux extras switched
# off, so that the ways macOS and the BSDs take (pselect for ppoll, PIPE_BUF for
# the pipe's free room, funopen for fopencookie, here libbsd's, no real-time
# signals, no SIGIO or SIGPWR) are run here, not only compiled.
set -euo pipefail
cd "$(dirname "$0")/../.."

# features BUILD: the SUBNETTER_HAVE_* defines the program was compiled with.
features() {
  grep -o 'SUBNETTER_HAVE_[A-Z_]*=[01]' "$1/CMakeFiles/subnetter_core.dir/flags.make" | sort -u | tr '\n' ' '
}

# make test found every extra on this Linux: none went missing unnoticed.
expected="SUBNETTER_HAVE_FOPENCOOKIE=1 SUBNETTER_HAVE_LIBBSD=0 SUBNETTER_HAVE_PIPE_SIZE=1 SUBNETTER_HAVE_PPOLL=1 SUBNETTER_HAVE_REALTIME_SIGNALS=1 SUBNETTER_HAVE_SYSTEM_V_SIGNALS=1 "
[ "$(features build-test)" = "$expected" ] || { echo "make test lacks a Linux extra: $(features build-test)"; exit 1; }

.ci/every_test_ran make test BUILD=build-portable CMAKE_OPTIONS=-DSUBNETTER_LINUX_EXTRAS=OFF
expected="SUBNETTER_HAVE_FOPENCOOKIE=0 SUBNETTER_HAVE_LIBBSD=1 SUBNETTER_HAVE_PIPE_SIZE=0 SUBNETTER_HAVE_PPOLL=0 SUBNETTER_HAVE_REALTIME_SIGNALS=0 SUBNETTER_HAVE_SYSTEM_V_SIGNALS=0 "
[ "$(features build-portable-test)" = "$expected" ] || { echo "the portable build has an extra: $(features build-portable-test)"; exit 1; }
