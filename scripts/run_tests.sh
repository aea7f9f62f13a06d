#!/usr/bin/env bash
# Runs every test through ctest: unit tests in a prefix of their own, the
# silent-install and wizard tests in throwaway clones of the template prefix.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
ensure_template
PICTOMAZE_OWN_XVFB=1 start_xvfb 1366x768x24

export WINEPREFIX=$PREFIXES/unit
clone_prefix "$WINEPREFIX"
quiet wineserver -p
quiet wine wineboot
cleanup() { WINEPREFIX=$PREFIXES/unit quiet wineserver -k || true; stop_xvfb; }
trap cleanup EXIT

cd "$BUILD_DIR"
ctest --output-on-failure -j2 "$@"
