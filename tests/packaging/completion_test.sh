#!/usr/bin/env bash
# The bash completion offers what the program's own help lists, no more and
# no less, for the program and each command; and it completes as a user
# types:  completion_test.sh PROGRAM COMPLETION_SCRIPT
set -euo pipefail
program=$1
source "$2"
fail() { echo "FAILED: $*"; exit 1; }

# COMPREPLY for a command line typed so far (the last word being completed).
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _compila_scenario
  printf '%s\n' "${COMPREPLY[@]}" | sort
}

# Options and commands as the help of each command lists them.
from_help() {
  "$program" "$@" --help | sed -n 's/^  \(-h,\)\?\(--[a-z-]*\).*/\2/p; /^Subcommands:/,/^$/s/^  \([a-z-]*\) .*/\1/p' |
    sort -u
}

for command in "" $(from_help | grep -v '^-'); do
  expected=$( (from_help $command; echo --help) | sort -u)
  if [ -z "$command" ]; then offered=$(complete_words compila_scenario "")
  else offered=$(complete_words compila_scenario "$command" -); fi
  [ "$offered" = "$expected" ] ||
    fail "'${command:-compila_scenario}': the completion offers [$(echo $offered)], the help lists [$(echo $expected)]"
done

[ "$(complete_words compila_scenario comp)" = compile ] || fail "'comp' does not complete to compile"
[ "$(complete_words compila_scenario compile --js)" = --json ] || fail "'compile --js' does not complete to --json"
echo "completion matches the help of: compila_scenario $(from_help | grep -v '^-' | tr '\n' ' ')"
