# Report section: every shortcut file on the desktops and in the start menus,
# read with lnkinfo (target, arguments, icon, description).
echo "== Shortcuts"
found=0
while IFS= read -r -d '' lnk; do
  found=1
  echo "-- $(winepath -w "$lnk" 2>/dev/null | tr -d '\r')"
  lnkinfo "$lnk" 2>/dev/null | awk -F': ' '
    /^\t(Local path|Command line arguments|Icon location|Description)\t*[ \t]*:/ {
      label = $1; gsub(/\t/, "", label); sub(/ +$/, "", label)
      value = substr($0, index($0, ": ") + 2)
      fields[label] = value
    }
    /^\tIcon index/ { index_value = substr($0, index($0, ": ") + 2) }
    END {
      printf "     target:      %s\n", fields["Local path"]
      printf "     arguments:   %s\n", ("Command line arguments" in fields) ? fields["Command line arguments"] : "(none)"
      if ("Icon location" in fields) printf "     icon:        %s, index %s\n", fields["Icon location"], index_value
      else printf "     icon:        (the target'\''s own)\n"
      printf "     description: %s\n", ("Description" in fields) ? fields["Description"] : "(none)"
    }'
done < <(find "$WINEPREFIX/drive_c/users" "$WINEPREFIX/drive_c/ProgramData" \
           \( -path '*/Desktop/*' -o -path '*/Start Menu/*' \) -iname '*.lnk' -print0 2>/dev/null | sort -z)
[ $found -eq 1 ] || echo "  (no shortcuts)"
