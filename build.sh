#!/bin/sh
# From a fresh clone to a running program or a passing test suite:
#   ./build.sh run     installs what is missing, builds, runs the built-in scenario
#   ./build.sh test    installs what is missing, builds everything, runs every test
#   ./build.sh deps GROUP...   only installs the missing packages of the groups
# The packages come from packages.txt, through apt-get (as root, or with
# sudo); only those not yet installed (nor provided by an installed package)
# are installed, and the script says which. A group's source packages (group
# "GROUP-source") are unpacked under build-sources/. The build itself is the
# CMake workflow preset of the same name.
set -eu
cd "$(dirname "$0")"

packages_of() {
  for group in "$@"; do
    sed -n "s/^$group:[[:space:]]*//p" packages.txt
  done | tr -s ' \t' '\n\n' | grep -v '^$'
}

# Installed, or provided by an installed package (a node.js from elsewhere
# may carry its own npm, and would conflict with Debian's).
installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed' && return 0
  dpkg-query -W -f='${Status}|${Provides}\n' 2>/dev/null | grep '^install ok installed|' |
    sed 's/^[^|]*|//; s/ *([^)]*)//g; s/, */\n/g' | grep -qx "$1"
}

install_missing() {
  missing=""
  for p in $(packages_of "$@"); do
    installed "$p" || missing="$missing $p"
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

# Debian's source packages of the groups' "-source" lists, each unpacked into
# build-sources/NAME once: what Debian ships built for Linux only, that the
# Windows cross build compiles itself. apt-get fetches them from the archive
# the system already uses, its entries read as source entries in a scratch
# list of this script's own (the system's apt setup is left as it is).
fetch_sources() {
  wanted=""
  for g in "$@"; do
    for s in $(packages_of "$g-source"); do
      [ -f "build-sources/$s/.unpacked" ] || wanted="$wanted $s"
    done
  done
  [ -n "$wanted" ] || return 0
  echo "build.sh: fetching Debian's source packages:$wanted"
  scratch=$(mktemp -d)
  mkdir -p "$scratch/lists/partial" "$scratch/parts"
  [ ! -f /etc/apt/sources.list ] ||
    sed -n 's/^deb[[:space:]]/deb-src /p' /etc/apt/sources.list >"$scratch/sources.list"
  [ ! -f /etc/apt/sources.list.d/debian.sources ] ||
    sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
      >"$scratch/parts/debian.sources"
  touch "$scratch/sources.list"
  apt_src="apt-get -q -o Dir::Etc::SourceList=$scratch/sources.list \
    -o Dir::Etc::SourceParts=$scratch/parts -o Dir::State::Lists=$scratch/lists \
    -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root"
  $apt_src update >/dev/null
  for s in $wanted; do
    rm -rf "build-sources/$s"
    mkdir -p "$scratch/$s" build-sources
    (cd "$scratch/$s" && $apt_src source --download-only "$s" >/dev/null)
    # apt checked the files against the archive's signed index.
    dpkg-source --no-check -x "$scratch/$s"/*.dsc "build-sources/$s" >/dev/null
    touch "build-sources/$s/.unpacked"
  done
  rm -rf "$scratch"
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
    install_missing "$@"
    fetch_sources "$@" ;;
  *)
    echo "usage: ./build.sh run | test | deps GROUP..." >&2
    exit 2 ;;
esac
