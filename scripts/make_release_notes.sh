#!/usr/bin/env bash
# make_release_notes.sh IN_UTF8 OUT: UTF-16 little-endian with byte-order mark and CR LF.
set -euo pipefail
{ printf '\377\376'; sed 's/$/\r/' "$1" | iconv -f UTF-8 -t UTF-16LE; } > "$2.tmp"
mv "$2.tmp" "$2"
