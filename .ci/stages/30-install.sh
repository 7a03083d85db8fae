#!/usr/bin/env bash
# 30-install.sh -- installs into a scratch prefix and runs a scripted session of the installed program.
set -euo pipefail
cd "$(dirname "$0")/../.."

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
make install BUILD=${INSTALL_BUILD:-build-install} PREFIX="$prefix"
test -f "$prefix/share/man/man1/subnetter.1"
cd "$prefix"
printf '\n1 4 9 Y Y\n192.168.1.77\n26\n2\n\n' | "$prefix/bin/subnetter" > /dev/null
grep -q '192.168.1.192/26' Result_1.txt
