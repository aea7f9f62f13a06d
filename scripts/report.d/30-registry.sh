# Report section: the registry keys the setup wrote, as `reg export` shows them.
# Wine's `reg` here is the 32-bit one, so HKLM is the view the 32-bit setup has
# (its SOFTWARE\Pictomaze and Uninstall keys live under Wow6432Node on disk).
echo "== Registry keys written (HKLM and HKCU)"
tmp=$(mktemp -d)
for root in 'HKLM\Software' 'HKCU\Software'; do
  name=${root%%\\*}
  if ! wine reg export "$root" "$(winepath -w "$tmp/$name.reg" 2>/dev/null | tr -d '\r')" /y >/dev/null 2>&1; then
    echo "-- $root: (could not be exported)"
    continue
  fi
  # one paragraph per key: keep the keys whose name or values are the setup's
  iconv -f UTF-16 -t UTF-8 "$tmp/$name.reg" | tr -d '\r' |
    awk 'BEGIN { RS = ""; ORS = "\n\n" } /^\[/ && /Pictomaze|p_maze32|NoOpenWith/' > "$tmp/$name.txt"
  echo "-- $root: $(grep -c '^\[' "$tmp/$name.txt") keys"
  sed 's/^/  /' "$tmp/$name.txt"
done
rm -rf "$tmp"
