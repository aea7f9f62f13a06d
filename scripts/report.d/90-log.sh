# Report section: the install log, wherever the setup left it.
echo "== Install log"
found=0
for dir in "$SETUP_WORKDIR" "$TARGET_UNIX"; do
  if [ -f "$dir/Pictomaze_Install.log" ]; then
    echo "-- $dir/Pictomaze_Install.log"
    iconv -f ISO-8859-1 -t UTF-8 "$dir/Pictomaze_Install.log" | tr -d '\r'
    found=1
  fi
done
[ $found -eq 1 ] || echo "(no entries: the install reported no failure)"
