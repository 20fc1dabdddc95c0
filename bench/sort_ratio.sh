#!/usr/bin/env bash
# Compares reading and writing a dictionary file with sorting it: prints the
# time of `captioneer dictionary --load F -o OUT` divided by the time of
# `LC_ALL=C sort F > OUT`, on one generated file of LINES lines (10^6 by
# default) of distinct random keys, each run REPEAT times (best time kept).
# usage: bench/sort_ratio.sh [CAPTIONEER] [LINES] [REPEAT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/release/apps/captioneer/captioneer}
lines=${2:-1000000}
repeat=${3:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Keys are random letters plus the line number, so all are distinct.
awk -v n="$lines" 'BEGIN {
  srand(42);
  for (i = 0; i < n; i++) {
    key = "";
    len = 8 + int(rand() * 16);
    for (j = 0; j < len; j++) key = key sprintf("%c", 97 + int(rand() * 26));
    printf "%s%d\ttranslation %d\r\n", key, i, i;
  }
}' >"$work/in.txt"

best() {
  local best_ms=
  for ((r = 0; r < repeat; r++)); do
    local start end ms
    start=$(date +%s%N)
    "$@"
    end=$(date +%s%N)
    ms=$(((end - start) / 1000000))
    if [ -z "$best_ms" ] || ((ms < best_ms)); then best_ms=$ms; fi
  done
  echo "$best_ms"
}

ours=$(best "$exe" dictionary --load "$work/in.txt" -o "$work/ours.txt")
sort_ms=$(best sh -c "LC_ALL=C sort '$work/in.txt' > '$work/sorted.txt'")
cmp -s "$work/ours.txt" "$work/sorted.txt" || echo "note: outputs differ" >&2
echo "lines=$lines captioneer_ms=$ours sort_ms=$sort_ms"
awk -v a="$ours" -v b="$sort_ms" 'BEGIN { printf "ratio=%.2f\n", a / b }'
