#!/usr/bin/env bash
# Re-runs the atlas generator and compares its output with the committed file.
# Exit 77 (skipped) when npm or its packages cannot be had.
# Usage: check-atlas-current.sh GENERATOR COMMITTED_ATLAS
set -u
generator=$1
committed=$2
python=${ZODIORA_PYTHON:-python3}

if ! command -v npm >/dev/null 2>&1; then
  echo "npm is not installed: skipped"
  exit 77
fi

fresh=$(mktemp) || exit 1
trap 'rm -f "$fresh"' EXIT
"$python" "$generator" "$fresh"
status=$?
[ "$status" -eq 77 ] && { echo "the npm packages could not be fetched: skipped"; exit 77; }
[ "$status" -eq 0 ] || { echo "generator failed"; exit 1; }
if ! cmp -s "$fresh" "$committed"; then
  echo "the committed $committed differs from the generator's output:"
  diff <(zcat "$committed") <(zcat "$fresh") 2>/dev/null | head -40 || cmp "$committed" "$fresh"
  exit 1
fi
echo "the atlas matches the generator"
