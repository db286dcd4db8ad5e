#!/bin/sh
# From a fresh clone to a running program or a passing test suite:
#   ./build.sh run     installs what is missing, builds, runs the built-in scenario
#   ./build.sh test    installs what is missing, builds everything, runs every test
#   ./build.sh deps GROUP...   only installs the missing packages of the groups
# The packages come from packages.txt, through apt-get (as root, or with
# sudo); only those not yet installed are installed, and the script says
# which. The build itself is the CMake workflow preset of the same name.
set -eu
cd "$(dirname "$0")"

packages_of() {
  for group in "$@"; do
    sed -n "s/^$group:[[:space:]]*//p" packages.txt
  done | tr -s ' \t' '\n\n' | grep -v '^$'
}

install_missing() {
  missing=""
  for p in $(packages_of "$@"); do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
      missing="$missing $p"
  done
  [ -n "$missing" ] || return 0
  echo "build.sh: installing the missing Debian packages:$missing"
  if [ "$(id -u)" -eq 0 ]; then
    sudo=""
  elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
  else
    echo "build.sh: not root and no sudo: install them, then run this again" >&2
    exit 1
  fi
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

# ctest runs one test at a time unless told otherwise.
: "${CTEST_PARALLEL_LEVEL:=$(nproc 2>/dev/null || echo 2)}"
export CTEST_PARALLEL_LEVEL

case "${1:-}" in
  run)
    install_missing build
    exec cmake --workflow --preset run ;;
  test)
    install_missing build test
    exec cmake --workflow --preset test ;;
  deps)
    shift
    install_missing "$@" ;;
  *)
    echo "usage: ./build.sh run | test | deps GROUP..." >&2
    exit 2 ;;
esac
