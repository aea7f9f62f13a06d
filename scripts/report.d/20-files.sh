# Report section: the unpacked tree, the temporary archive and the viewer's settings file(s).
echo "== Installed files: $TARGET_WIN"
if [ -d "$TARGET_UNIX" ]; then
  (cd "$TARGET_UNIX" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort | while read -r f; do
     if [ -d "$f" ]; then
       printf '  %-40s %9s  %s\n' "$f/" "" "$(date -r "$f" '+%Y-%m-%d %H:%M:%S')"
     else
       printf '  %-40s %9s  %s\n' "$f" "$(stat -c %s "$f")" "$(date -r "$f" '+%Y-%m-%d %H:%M:%S')"
     fi
   done)
  echo "  ($(find "$TARGET_UNIX" -mindepth 1 -type d | wc -l) folders, $(find "$TARGET_UNIX" -type f | wc -l) files)"
else
  echo "  (the target folder does not exist)"
fi

echo
echo "== Temporary archive"
left=$(find "$WINEPREFIX/drive_c" -path "$WINEPREFIX/drive_c/windows" -prune -o -iname pmazeg_x32.zip -print)
[ -n "$left" ] && echo "  left behind: $left" || echo "  removed (no pmazeg_x32.zip left)"

show_ini() {
  local path=$1 label=$2
  if [ ! -f "$path" ]; then
    echo "-- $label: (none)"
    return
  fi
  if [ "$(head -c 2 "$path" | od -An -tx1 | tr -d ' ')" = "fffe" ]; then
    echo "-- $label (UTF-16 with byte-order mark)"
    tail -c +3 "$path" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r' | sed 's/^/  /'
  else
    echo "-- $label (8-bit)"
    iconv -f ISO-8859-1 -t UTF-8 "$path" | tr -d '\r' | sed 's/^/  /'
  fi
}

echo
echo "== Settings file(s)"
program_file="$TARGET_UNIX/p_maze32.ini"
show_ini "$program_file" "${TARGET_WIN%\\}\\p_maze32.ini"
pointer=""
if [ -f "$program_file" ]; then
  pointer=$( (if [ "$(head -c 2 "$program_file" | od -An -tx1 | tr -d ' ')" = "fffe" ]; then
                tail -c +3 "$program_file" | iconv -f UTF-16LE -t UTF-8
              else cat "$program_file"; fi) | tr -d '\r' | sed -n 's/^INI_Folder=//p' | head -n 1)
fi
if [ -n "$pointer" ]; then
  expanded=$(wine cmd /c echo "$pointer" 2>/dev/null | tr -d '\r')
  unix_folder=$(winepath -u "$expanded" 2>/dev/null | tr -d '\r')
  show_ini "${unix_folder%/}/p_maze32.ini" "$pointer = $expanded\\p_maze32.ini"
fi
