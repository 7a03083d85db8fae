#!/usr/bin/env bash
# 60-package.sh -- builds the Debian package and the Windows zip, checks the package
# with lintian, installs, runs and removes it, and runs the zip's exe under wine.
set -euo pipefail
cd "$(dirname "$0")/../.."

# Only this build's packages are left to find, whatever the version.
rm -f build-package/*.deb build-windows/*.zip
make package package-windows
deb=$(echo "$PWD"/build-package/subnetter_*_amd64.deb)
zip=$(echo "$PWD"/build-windows/subnetter-*-win64.zip)
export WINEDEBUG=-all WINEPREFIX="$PWD/build-windows/wine-prefix"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/linux" "$scratch/windows"

# The quick export of 192.168.1.77/26 into Result_1.txt of the current folder.
quick_export() {
  printf '\n1 4 9 Y Y\n192.168.1.77\n26\n2\n\n' | timeout 120 "$@" > /dev/null 2>&1 &&
    grep -q '192.168.1.192/26' Result_1.txt
}

lintian --fail-on error "$deb"

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

cd "$scratch/windows"
cmake -E tar xf "$zip"
if grep -qv $'\r$' LICENSE.txt README.txt; then echo "a text file has lines without CR LF"; exit 1; fi
/usr/lib/wine/wine64 wineboot --init </dev/null >/dev/null 2>&1 || true
/usr/lib/wine/wineserver --wait
quick_export /usr/lib/wine/wine64 ./subnetter.exe
