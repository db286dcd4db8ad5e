#!/usr/bin/env bash
# Whole-process cost of the built-in run against a plain copy of the six files
# it leaves: the floor any run that writes them must pay. Each pair runs the
# program (no DISPLAY, a fresh output directory) and `cp` of a reference copy
# of its files (a fresh directory too), alternating which goes first, and the
# medians of the wall times are compared.
#
#   bench/whole_process.sh [-n PAIRS] [-d SCRATCH] [--durable] [--version] [--perf] PROGRAM
#
#   -n PAIRS    pairs to time (default 15)
#   -d SCRATCH  where the fresh directories go (default $TMPDIR or /tmp); put it
#               on the disk the files are meant for: fsync costs what it costs
#   --durable   also time cp followed by `sync` of the six copies (an fsync of
#               each, as the program does): the floor with the disk's share in it
#   --version   also time `PROGRAM --version` against /bin/true
#   --perf      also print `perf stat` of one run (task-clock, page faults)
#               and its peak resident memory from /usr/bin/time -v
set -euo pipefail

pairs=15 scratch=${TMPDIR:-/tmp} durable=0 version=0 perf=0
while [[ $# -gt 1 ]]; do
  case $1 in
    -n) pairs=$2; shift 2 ;;
    -d) scratch=$2; shift 2 ;;
    --durable) durable=1; shift ;;
    --version) version=1; shift ;;
    --perf) perf=1; shift ;;
    *) break ;;
  esac
done
[[ $# -eq 1 ]] || { sed -n '8,17p' "$0" >&2; exit 2; }
program=$(realpath "$1")

work=$(mktemp -d "$scratch/whole_process.XXXXXX")
trap 'rm -rf "$work"' EXIT
unset DISPLAY

# Microseconds taken by a command, from bash's own clock (no process forked
# to read it).
now() { local t=$EPOCHREALTIME; echo "${t/[.,]/}"; }
time_us() {
  local t0 t1
  t0=$(now); "$@" >/dev/null 2>&1; t1=$(now)
  echo $((t1 - t0))
}
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
ms() { awk -v us="$1" 'BEGIN {printf "%8.2f", us / 1000}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

"$program" --output-dir "$work" 2>/dev/null
mkdir "$work/reference" && mv "$work"/*.* "$work/reference/"
[[ $(ls "$work/reference" | wc -l) -eq 6 ]] || { echo "the run did not leave six files" >&2; exit 1; }

run() { mkdir "$work/out"; time_us "$program" --output-dir "$work/out" >>"$work/run"; rm -rf "$work/out"; }
copy() { mkdir "$work/out"; time_us cp "$work/reference/"*.* "$work/out/" >>"$work/cp"; rm -rf "$work/out"; }
cp_and_sync() { cp "$work/reference/"*.* "$work/out/" && sync "$work/out/"*.*; }
copy_sync() { mkdir "$work/out"; time_us cp_and_sync >>"$work/cpsync"; rm -rf "$work/out"; }
for ((i = 0; i < pairs; i++)); do
  if ((i % 2 == 0)); then run; copy; else copy; run; fi
  if ((durable)); then copy_sync; fi
done

load=$(cut -d' ' -f1-3 /proc/loadavg)
r=$(median <"$work/run") c=$(median <"$work/cp")
printf 'load average   %s\n' "$load"
echo "built-in run   $(ms "$r") ms  (median of $pairs)"
echo "cp of 6 files  $(ms "$c") ms"
echo "ratio          $(ratio "$r" "$c")"
if ((durable)); then
  d=$(median <"$work/cpsync")
  echo "cp + sync      $(ms "$d") ms  (ratio of the run to it $(ratio "$r" "$d"))"
fi

if ((version)); then
  for ((i = 0; i < pairs; i++)); do
    time_us "$program" --version >>"$work/version"
    time_us /bin/true >>"$work/true"
  done
  echo "--version      $(ms "$(median <"$work/version")") ms"
  echo "/bin/true      $(ms "$(median <"$work/true")") ms"
fi

if ((perf)) && command -v perf >/dev/null; then
  mkdir "$work/out"
  perf stat -e task-clock,page-faults,context-switches -- "$program" --output-dir "$work/out" 2>&1 |
    grep -E 'task-clock|page-faults|context|elapsed|user|sys'
fi
if ((perf)) && [[ -x /usr/bin/time ]]; then
  rm -rf "$work/out" && mkdir "$work/out"
  /usr/bin/time -v "$program" --output-dir "$work/out" 2>&1 | grep -E 'Maximum resident'
fi
