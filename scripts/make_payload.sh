#!/usr/bin/env bash
# make_payload.sh SOURCE_DIR OUT_ZIP [EXTRA_FILE=ENTRY ...]
# Zips SOURCE_DIR (folder entries included) with fixed entry times, so that
# builds are reproducible. Extra files (built programs) are placed at ENTRY.
set -euo pipefail
src=$1; out=$2; shift 2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp -a "$src"/. "$stage"/
for extra in "$@"; do
  file=${extra%%=*}; entry=${extra#*=}
  mkdir -p "$stage/$(dirname "$entry")"
  cp "$file" "$stage/$entry"
done
find "$stage" -exec touch -h -d '2026-11-20 04:58:00' {} +
rm -f "$out"
(cd "$stage" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort |
  while read -r p; do [ -d "$p" ] && echo "$p/" || echo "$p"; done |
  zip -X -q -9 "$out" -@)
