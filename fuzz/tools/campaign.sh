#!/usr/bin/env bash
# A local fuzzing campaign, one harness at a time at the lowest priority (the
# machine is shared), then the corpus merged back into fuzz/corpus.
#   fuzz/tools/campaign.sh run HARNESS RUNS [SECONDS]   fuzz on a scratch copy
#   fuzz/tools/campaign.sh merge HARNESS                 merge it into fuzz/corpus
# HARNESS is compile, inspect or field_reader; the scratch corpus and the logs
# live in build-fuzz/campaign/. From the worktree root, after
# `cmake --preset fuzz && cmake --build --preset fuzz`.
set -euo pipefail
cd "$(dirname "$0")/../.."
modo=$1 nome=$2
harness=build-fuzz/${nome}_fuzzer
lavoro=build-fuzz/campaign
mkdir -p "$lavoro/$nome" "$lavoro/artifacts"
dizionario=()
[ "$nome" = inspect ] || dizionario=(-dict=fuzz/scenario.dict)

case $modo in
  run)
    [ -n "$(ls -A "$lavoro/$nome")" ] || cp fuzz/corpus/"$nome"/* "$lavoro/$nome"/
    # The timeout is wide: at the lowest priority a run waits for the CPU.
    nice -n 19 "$harness" -runs="$3" -max_total_time="${4:-86400}" -max_len=1024 \
      "${dizionario[@]}" -timeout=60 -rss_limit_mb=2048 -reload=0 -print_final_stats=1 \
      -artifact_prefix="$lavoro/artifacts/" "$lavoro/$nome" 2>&1 | tee -a "$lavoro/$nome.log" |
      grep -E "^#[0-9]+ +(INITED|DONE)|^stat::|ERROR|SUMMARY"
    ;;
  merge)
    # The inputs found, and those committed, of 1 KB or less; the hand-made
    # seeds (named, not hashed) stay whatever their size.
    candidati=$(mktemp -d) unito=$(mktemp -d)
    trap 'rm -rf "$candidati" "$unito"' EXIT
    find "$lavoro/$nome" fuzz/corpus/"$nome" -type f -size -1025c -exec cp {} "$candidati"/ \;
    "$harness" -merge=1 -max_len=1024 "${dizionario[@]}" "$unito" "$candidati" 2>&1 | tail -n 1
    find fuzz/corpus/"$nome" -type f -regextype posix-extended -regex '.*/[0-9a-f]{40}' -delete
    # libFuzzer names what it merges by its SHA-1: a seed's twin is left out.
    semi=$(for f in fuzz/corpus/"$nome"/*; do
      sha1sum <"$f" | cut -c1-40; done)
    for f in "$unito"/*; do
      grep -qxF "$(basename "$f")" <<<"$semi" || cp "$f" fuzz/corpus/"$nome"/
    done
    ls fuzz/corpus/"$nome" | wc -l
    ;;
esac
