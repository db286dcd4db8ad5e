#!/bin/sh
# Installs the Debian package that `cmake --workflow --preset package` built,
# uses the installed program as a user would, and removes it again:
#   packaging/install_test.sh PACKAGE.deb
# It changes the system it runs on (dpkg -i, dpkg --purge): CI runs it.
set -eu
deb=$(realpath "$1")
name=$(dpkg-deb -f "$deb" Package)
version=$(dpkg-deb -f "$deb" Version)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }

dpkg -i "$deb"
files=$(dpkg -L "$name" | while read -r f; do [ -d "$f" ] || echo "$f"; done)

[ "$(compila_scenario --version)" = "compila_scenario $version" ] ||
  fail "--version prints '$(compila_scenario --version)', not the package's $version"
[ -s /usr/share/man/man1/compila_scenario.1.gz ] || fail "no manual page"
zcat /usr/share/man/man1/compila_scenario.1.gz | grep -q '^\.SH "\?FILES' || fail "manual page without FILES"
[ -s /usr/share/bash-completion/completions/compila_scenario ] || fail "no bash completion"
[ -s /usr/lib/compila_scenario/compila_scenario_finestre.so ] || fail "no window module"
[ -s /usr/lib/compila_scenario/compila_scenario_server.so ] || fail "no server module"

cd "$work"
compila_scenario export-sources
compila_scenario compile 'Verona _Firenze  _linea.txt' 'Verona _Firenze  _ EC 85-.txt'
for f in 'Verona _Firenze  _linea.dat' 'Verona _Firenze  _ EC 85.sim' 'Verona _Firenze  _ EC 85.dat'; do
  [ -s "$f" ] || fail "compile left no '$f'"
done
compila_scenario inspect >/dev/null
# watch loads its server from the installed module, serves, ends on Ctrl-C.
timeout --preserve-status -s INT 3 compila_scenario watch 'Verona _Firenze  _linea.txt' \
  'Verona _Firenze  _ EC 85-.txt' --output-dir "$work" >"$work/watch" ||
  fail "watch ended with status $?"
grep -q 'the page is at http://127.0.0.1:' "$work/watch" || fail "watch served no page"

# Started without a command, the installed program would write beside
# itself, in /usr/bin: it refuses, and says how to choose a directory.
status=0
compila_scenario 2>"$work/err" || status=$?
[ "$status" -eq 4 ] || fail "the built-in run under /usr exits $status, not 4"
grep -q -- '--output-dir' "$work/err" || fail "the refusal does not name --output-dir: $(cat "$work/err")"
mkdir out && compila_scenario --output-dir out && [ "$(ls out | wc -l)" -eq 6 ] ||
  fail "the built-in run with --output-dir did not leave six files"

cd /
dpkg --purge "$name"
for f in $files; do
  [ ! -e "$f" ] || fail "$f is left after the package was removed"
done
echo "install test: $name $version installed, used and removed"
