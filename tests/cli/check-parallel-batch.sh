#!/bin/sh
# The batch is a filter, so GNU parallel can split it over jobs: two jobs
# under --pipe --keep-order must print exactly what one process prints, the
# input's header row (only in the first block) included.
# Usage: check-parallel-batch.sh ZODIORA_CHART
set -u
tool=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT

# 900 births, about 45 kB: five blocks of 10 kB, so both jobs chart several.
{
  echo "name,date,time,zone,latitude,longitude,dst"
  i=0
  while [ $i -lt 900 ]; do
    printf 'Person,%04d-%02d-%02d,%02d:%02d,%d,%02d:%02dN,%03d:%02dE,%d\n' $((1901 + i % 150)) $((1 + i % 12)) \
      $((1 + i % 28)) $((i % 24)) $((i % 60)) $((i % 71)) $((i % 67)) $((i % 60)) $((i % 180)) $((i % 60)) $((i % 2))
    i=$((i + 1))
  done
} >"$work/births.csv"

"$tool" --batch "$work/births.csv" --json >"$work/one.json" 2>"$work/err" || { cat "$work/err"; echo "FAIL: one process"; exit 1; }
parallel --pipe --keep-order --block 10k -j 2 "$tool" --batch - --json <"$work/births.csv" >"$work/two.json" ||
  { echo "FAIL: parallel"; exit 1; }
[ "$(grep -c '"ascendant"' "$work/one.json")" -eq 900 ] || { echo "FAIL: not 900 charts"; exit 1; }
cmp "$work/one.json" "$work/two.json" || { echo "FAIL: two jobs differ from one process"; exit 1; }
echo "two jobs print what one process prints"
