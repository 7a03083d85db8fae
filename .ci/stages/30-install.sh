#!/usr/bin/env bash
# 30-install.sh -- the commands README.md and CONTRIBUTING.md give, run as written where
# they are cheap: install and uninstall, a scripted session of the installed program and of
# the one in the clone, the options, the manual page, and the README's picture made anew.
set -euo pipefail
# A grep here reads its input to the end (no -q): under pipefail, a reader that
# quits at the first match would fail a writer that has more to say.
cd "$(dirname "$0")/../.."
repo=$PWD
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Runs a command that one of the two texts shows as an indented line, word for word.
as_documented() {
  grep -qxF "    $1" README.md CONTRIBUTING.md || { echo "no longer documented: $1"; exit 1; }
  echo "+ $1" >&2
  eval "$1"
}

# Installed for one account, found and run there, then removed again: nothing stays.
export HOME=$scratch/home
as_documented 'make install PREFIX=$HOME/.local'
installed=$(cat build/installs/manifest.txt)
test -f "$HOME/.local/share/man/man1/subnetter.1"
PATH=$HOME/.local/bin:$PATH
test "$(as_documented 'subnetter --version')" = "subnetter $(sed -n 's/^project(subnetter VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)"
as_documented 'subnetter --help' | grep '^usage: subnetter' > /dev/null
mkdir "$scratch/installed" && cd "$scratch/installed"
printf '\n1 4 9 Y Y\n192.168.1.77\n26\n2\n\n' | subnetter > /dev/null
grep -q '192.168.1.192/26' Result_1.txt
cd "$repo"
as_documented 'make uninstall'
for path in $installed; do
  [ ! -e "$path" ] || { echo "left behind: $path"; exit 1; }
done

# A packager's staged install beside a real one: each uninstall removes its own
# files, never the other's, and one without an install of its own refuses.
make install PREFIX="$scratch/usr" > /dev/null
make install PREFIX="$scratch/usr" DESTDIR="$scratch/stage" > /dev/null
make uninstall DESTDIR="$scratch/stage" > /dev/null
test -f "$scratch/usr/bin/subnetter" && test ! -e "$scratch/stage$scratch/usr/bin/subnetter"
if make uninstall DESTDIR="$scratch/other" 2> /dev/null; then echo "uninstall of nothing did not refuse"; exit 1; fi
make uninstall > /dev/null
test ! -e "$scratch/usr/bin/subnetter"

# The clone's own program, at the end of its input, and scripted as the README shows it.
as_documented 'make run' < /dev/null > /dev/null
as_documented "printf '\\n1 4 9 Y Y\\n192.168.1.77\\n26\\n2\\n\\n' | ./build/subnetter > /dev/null"
as_documented 'grep 192.168.1.192/26 Result_1.txt'
rm Result_1.txt
MANPAGER=cat man ./build/subnetter.1 | grep '^OPTIONS' > /dev/null

# The picture is the screen of this program: a change to the screen asks for `make screenshot`.
as_documented 'make screenshot'
git diff --quiet doc/typical_calculation.svg ||
  { echo "doc/typical_calculation.svg is not the screen of this program: run make screenshot and commit it"; exit 1; }
