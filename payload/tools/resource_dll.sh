#!/usr/bin/env bash
# resource_dll.sh CC WINDRES RC_FILE OUT_DLL PAD_BYTES [windres option ...]
# Builds a resource-only DLL (no code, entry point 0) from one resource script.
# PAD_BYTES > 0 pads the file with zeros to exactly that length.
set -euo pipefail
cc=$1; windres=$2; rc=$3; out=$4; pad=$5; shift 5
obj=$out.res.o
mkdir -p "$(dirname "$out")"
"$windres" "$@" -O coff -i "$rc" -o "$obj"
"$cc" -shared -nostdlib -s -Wl,-e,0 -Wl,--no-insert-timestamp -o "$out" "$obj"
rm -f "$obj"
if [ "$pad" -gt 0 ]; then
  size=$(stat -c %s "$out")
  [ "$size" -le "$pad" ] || { echo "$out: $size bytes, more than $pad" >&2; exit 1; }
  truncate -s "$pad" "$out"
fi
