#!/usr/bin/env bash
# make bench: payload extraction throughput of ExtractArchive (under Wine)
# against the system's unzip on the same large generated archive, side by
# side in one run, as a ratio; the silent install as a whole; and the size of
# PictomazeSetup.exe without its payload. Figures only, no pass or fail.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
ROUNDS=${ROUNDS:-3}
bench=$BUILD_DIR/bench
mkdir -p "$bench"

cmake --build "$BUILD_DIR" --target extract_bench -- --no-print-directory >/dev/null

# A deterministic archive of about 105 MB: incompressible and text-like files,
# deflated, in folders, with folder entries.
archive=$bench/large.zip
if [ ! -f "$archive" ]; then
  echo "bench: writing $archive (once per build tree)"
  python3 - "$archive" <<'PY'
import random, sys, zipfile
rng = random.Random(1974)
words = [bytes(rng.choice(b"abcdefghijklmnopqrstuvwxyz") for _ in range(rng.randint(2, 9))) for _ in range(4000)]
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED, compresslevel=6) as z:
    for folder in ("images/", "texts/"):
        z.writestr(zipfile.ZipInfo(folder, (2026, 11, 20, 4, 58, 0)), b"")
    for i in range(24):
        z.writestr(zipfile.ZipInfo("images/photo_%02d.jpg" % i, (2026, 11, 20, 4, 58, 0)), rng.randbytes(4 << 20),
                   compress_type=zipfile.ZIP_DEFLATED)
        text = b" ".join(rng.choice(words) for _ in range(700000))[: 4 << 20]
        z.writestr(zipfile.ZipInfo("texts/notes_%02d.txt" % i, (2026, 11, 20, 4, 58, 0)), text,
                   compress_type=zipfile.ZIP_DEFLATED)
PY
fi
read -r entries unpacked < <(python3 -c "
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1]); print(len(z.infolist()), sum(i.file_size for i in z.infolist()))" "$archive")
archive_bytes=$(stat -c %s "$archive")

ensure_template
export WINEPREFIX=$PREFIXES/bench
clone_prefix "$WINEPREFIX"
quiet wineserver -p
quiet wine wineboot
trap 'WINEPREFIX=$PREFIXES/bench quiet wineserver -k || true' EXIT

now() { date +%s.%N; }
calc() { awk "BEGIN { printf \"%.${2:-6}f\", $1 }"; }
best() { printf '%s\n' "$@" | sort -g | head -n 1; }

win_archive=$(winepath -w "$archive" | tr -d '\r')
echo "== Extraction: $(( archive_bytes / 1000000 )) MB archive, $entries entries, $(( unpacked / 1000000 )) MB unpacked; best of $ROUNDS rounds"
own=(); wall=(); sys_unzip=()
for round in $(seq 1 "$ROUNDS"); do
  rm -rf "$bench/out-unzip" "$bench/out-own"
  sync
  t0=$(now); unzip -q -o "$archive" -d "$bench/out-unzip"; t1=$(now)
  sys_unzip+=("$(calc "$t1 - $t0")")
  sync
  t0=$(now)
  line=$(wine "$BUILD_DIR/bench/extract_bench.exe" "$win_archive" "$(winepath -w "$bench/out-own" | tr -d '\r')" | tr -d '\r')
  t1=$(now)
  case $line in result=0*) ;; *) echo "ExtractArchive failed: $line" >&2; exit 1 ;; esac
  own+=("${line#*seconds=}")
  wall+=("$(calc "$t1 - $t0")")
done
diff -r -q "$bench/out-unzip" "$bench/out-own" >/dev/null || { echo "the two extractions differ" >&2; exit 1; }
rm -rf "$bench/out-unzip" "$bench/out-own"

t_own=$(best "${own[@]}"); t_wall=$(best "${wall[@]}"); t_unzip=$(best "${sys_unzip[@]}")
mbps() { calc "$unpacked / 1000000 / $1" 1; }
printf '  %-42s %8.3f s  %7s MB/s\n' "ExtractArchive (in process, Wine)" "$t_own" "$(mbps "$t_own")"
printf '  %-42s %8.3f s  %7s MB/s\n' "ExtractArchive (whole process, Wine)" "$t_wall" "$(mbps "$t_wall")"
printf '  %-42s %8.3f s  %7s MB/s\n' "unzip $(unzip -v | head -n 1 | awk '{print $2}') (native)" "$t_unzip" "$(mbps "$t_unzip")"
printf '  throughput ratio ExtractArchive / unzip: %s (in process), %s (whole process)\n' \
  "$(calc "$t_unzip / $t_own" 2)" "$(calc "$t_unzip / $t_wall" 2)"

echo
echo "== Silent install as a whole (best of $ROUNDS)"
times=()
for round in $(seq 1 "$ROUNDS"); do
  t0=$(now)
  (cd "$WINEPREFIX/drive_c" && wine "$BUILD_DIR/PictomazeSetup.exe" /silent "/folder=C:\\Bench$round" "/ini=" \
     </dev/null >/dev/null 2>&1) || { echo "silent install failed" >&2; exit 1; }
  t1=$(now)
  times+=("$(calc "$t1 - $t0")")
done
printf '  %-42s %8.3f s\n' "PictomazeSetup.exe /silent" "$(best "${times[@]}")"

echo
echo "== Size"
exe=$(stat -c %s "$BUILD_DIR/PictomazeSetup.exe")
payload=$(stat -c %s "$BUILD_DIR/payload.zip")
printf '  %-42s %9d bytes\n' "PictomazeSetup.exe" "$exe" "payload (resource ZIP 1974)" "$payload" \
  "PictomazeSetup.exe without its payload" "$(( exe - payload ))"
