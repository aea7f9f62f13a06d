#!/usr/bin/env bash
# Opens the wizard on $DISPLAY when there is one; otherwise walks through its
# pages on a private X screen and saves a screenshot of each page reached
# (build/screenshots/, at 96 and 144 dpi).
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
ensure_template

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export WINEPREFIX=$PREFIXES/wizard
  clone_prefix "$WINEPREFIX"
  quiet wineserver -p
  quiet wine wineboot
  trap 'WINEPREFIX=$PREFIXES/wizard quiet wineserver -k || true' EXIT
  echo "wizard: opening PictomazeSetup.exe on $DISPLAY (prefix $WINEPREFIX)"
  wine "$BUILD_DIR/PictomazeSetup.exe" </dev/null
else
  BUILD_DIR=$BUILD_DIR python3 "$here/scripts/wizard_screens.py"
fi
