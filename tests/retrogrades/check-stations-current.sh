#!/bin/sh
# Re-runs the station generator and compares its output with the committed
# table. Exit 77 (skipped) when /usr/bin/python3 has no ephem module.
# Usage: check-stations-current.sh GENERATOR COMMITTED_TABLE
set -u
generator=$1
committed=$2
python=${ZODIORA_PYTHON:-/usr/bin/python3}

if ! "$python" -c 'import ephem' 2>/dev/null; then
  echo "python3-ephem is not installed for $python: skipped"
  exit 77
fi

fresh=$(mktemp) || exit 1
trap 'rm -f "$fresh"' EXIT
"$python" "$generator" "$fresh" || { echo "generator failed"; exit 1; }
if ! cmp -s "$fresh" "$committed"; then
  echo "the committed $committed differs from the generator's output:"
  diff "$committed" "$fresh" | head -40
  exit 1
fi
echo "stations.txt matches the generator"
