#!/usr/bin/env bash
# 60-package.sh -- builds the Debian package and the Windows zip twice and compares
# them, the package also under two other umasks; checks both programs' hardening,
# the package with lintian, the manual page with mandoc and groff and the zip's
# licence notices; installs, runs and removes the package, and runs the zip's exe
# under wine.
set -euo pipefail
cd "$(dirname "$0")/../.."

# From clean folders, twice, the second time in other folders: nothing of a build's
# time or place may reach a package.
rm -rf build-package build-windows build-package-again build-windows-again
umask 022
make package package-windows
make package package-windows PACKAGE_BUILD=build-package-again WINDOWS_BUILD=build-windows-again
deb=$(echo "$PWD"/build-package/subnetter_*_amd64.deb)
zip=$(echo "$PWD"/build-windows/subnetter-*-win64.zip)
cmp "$deb" build-package-again/"$(basename "$deb")"
cmp "$zip" build-windows-again/"$(basename "$zip")"
# Nor may the builder's umask: the same bytes, so lintian's verdict below holds for each.
for umask in 077 002; do
  rm -rf build-package-umask-$umask
  (umask $umask && make package PACKAGE_BUILD=build-package-umask-$umask)
  cmp "$deb" build-package-umask-$umask/"$(basename "$deb")"
done
sha256sum "$deb" "$zip"

# A packager's build: no -Werror (Debian's -Werror=format-security is its own
# choice), nothing the tests need looked for, and a _FORTIFY_SOURCE level in the
# packager's flags kept.
for build in build-package build-windows; do
  if grep -E -- '-Werror( |$)' $build/CMakeFiles/subnetter.dir/flags.make; then echo "$build has -Werror"; exit 1; fi
  if grep -iE 'gtest|python' $build/CMakeCache.txt; then echo "$build looked for what the tests need"; exit 1; fi
done
cmake -S . -B build-fortify -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=3 > /dev/null
grep -o -- '-[UD]_FORTIFY_SOURCE[=0-9]*' build-fortify/CMakeFiles/subnetter.dir/flags.make | sort -u | tr '\n' ' ' > build-fortify/levels
[ "$(cat build-fortify/levels)" = "-D_FORTIFY_SOURCE=3 " ] || { echo "the packager's level was changed: $(cat build-fortify/levels)"; exit 1; }
export WINEDEBUG=-all WINEPREFIX="$PWD/build-windows/wine-prefix"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/linux" "$scratch/windows"

# The quick export of 192.168.1.77/26 into Result_1.txt of the current folder.
quick_export() {
  printf '\n1 4 9 Y Y\n192.168.1.77\n26\n2\n\n' | timeout 120 "$@" > /dev/null 2>&1 &&
    grep -q '192.168.1.192/26' Result_1.txt
}

# Every message counts, down to pedantic ones; deliberate exceptions are the
# package's own lintian overrides, each with its reason.
lintian -EIL +pedantic --fail-on error,warning,info,pedantic "$deb"
# Lintian cannot see the stack protector; its failure handler shows it is in
# (grep reads all of nm's list: under pipefail, -q would fail nm mid-write).
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/subnetter > "$scratch/subnetter"
nm -D "$scratch/subnetter" | grep __stack_chk_fail > /dev/null

# Any message at all about the manual page fails.
for lint in "mandoc -Tlint" "groff -ww -man -z"; do
  messages=$($lint build-package/subnetter.1 2>&1) || true
  [ -z "$messages" ] || { echo "$lint: $messages"; exit 1; }
done

# Slim images keep dpkg from unpacking manual pages and documents (path-exclude
# in /etc/dpkg/dpkg.cfg.d); including every path checks the whole package.
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq -o 'DPkg::Options::=--path-include=*' "$deb" </dev/null
installed=$(dpkg -L subnetter)
for path in $installed; do
  [ -e "$path" ] || { echo "not installed: $path"; exit 1; }
done
test "$(command -v subnetter)" = /usr/bin/subnetter
(cd "$scratch/linux" && quick_export subnetter)
test "$(man -w subnetter)" = /usr/share/man/man1/subnetter.1.gz

apt-get purge -y -qq subnetter </dev/null
# Only directories that other packages still fill, like /usr/bin, may stay.
for path in $installed; do
  [ ! -e "$path" ] || { [ -d "$path" ] && [ -n "$(ls -A "$path")" ]; } || { echo "left behind: $path"; exit 1; }
done

repo=$PWD
cd "$scratch/windows"
cmake -E tar xf "$zip"
x86_64-w64-mingw32-objdump -p subnetter.exe | grep -A4 DllCharacteristics > pe-flags.txt
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
  grep -q $flag pe-flags.txt || { echo "subnetter.exe lacks $flag"; exit 1; }
done
if grep -qv $'\r$' LICENSE.txt NOTICES.txt README.txt; then echo "a text file has lines without CR LF"; exit 1; fi
# Every part of the toolchain that the linker's map shows in the exe is named in
# the notices, and the three notices are there: GCC's, MinGW-w64's, winpthreads'.
for part in $(sed -n 's|^\(/[^ ]*\.a\)(.*|\1|p; s|^LOAD \(/[^ ]*\.o\)$|\1|p' "$repo"/build-windows/subnetter.map |
              xargs -n1 basename | sort -u); do
  grep -q "^In subnetter.exe:.* $part[,"$'\r'"]" NOTICES.txt || { echo "NOTICES.txt does not name $part"; exit 1; }
done
for notice in "GCC RUNTIME LIBRARY EXCEPTION" "the mingw-w64 project" "winpthreads, the POSIX threads"; do
  grep -q "$notice" NOTICES.txt || { echo "NOTICES.txt lacks: $notice"; exit 1; }
done
/usr/lib/wine/wine64 wineboot --init </dev/null >/dev/null 2>&1 || true
/usr/lib/wine/wineserver --wait
quick_export /usr/lib/wine/wine64 ./subnetter.exe
