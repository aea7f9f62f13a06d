#!/usr/bin/env bash
# make run: a real silent install into a sandbox prefix under build/, then a
# report of what it did. Report sections live in scripts/report.d/.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
ensure_template
start_xvfb 1366x768x24

export WINEPREFIX=$PREFIXES/demo
clone_prefix "$WINEPREFIX"
quiet wineserver -p
quiet wine wineboot
trap 'quiet wineserver -k || true; stop_xvfb' EXIT

ARGS=(/silent /group=1 /desktop=1 /thumbs=1 /assoc=1)
workdir=$WINEPREFIX/drive_c/users/Public
echo "== Silent install: PictomazeSetup.exe ${ARGS[*]}"
set +e
(cd "$workdir" && wine "$BUILD_DIR/PictomazeSetup.exe" "${ARGS[@]}" </dev/null >/dev/null 2>&1)
code=$?
set -e
echo "exit code: $code"

# The folder the setup chose: from the registered open command, else the default.
target=$(wine reg query 'HKLM\SOFTWARE\Classes\Pictomaze\shell\open\command' /ve 2>/dev/null |
         sed -n 's/.*REG_SZ *"\(.*\)p_maze32.exe".*/\1/p' | tr -d '\r' || true)
[ -n "$target" ] || target='C:\Program Files (x86)\Pictomaze\'
echo "target folder: $target"
export TARGET_WIN=$target
export TARGET_UNIX="$WINEPREFIX/dosdevices/c:/${target#C:\\}"
TARGET_UNIX=${TARGET_UNIX//\\//}
export SETUP_WORKDIR=$workdir

for section in "$(dirname "$0")"/report.d/*.sh; do
  [ -e "$section" ] || continue
  echo
  bash "$section"
done
exit 0
