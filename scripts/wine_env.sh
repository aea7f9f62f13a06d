# Sourced by the scripts: Wine prefixes in the build tree and a private X screen.
# Never touches ~/.wine.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$here/build}
PREFIXES=$BUILD_DIR/prefixes
TEMPLATE=$PREFIXES/template
export WINEDEBUG=-all
# winemenubuilder would mirror shortcuts and associations into the real $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Runs a command with its three standard streams away from the caller's pipes,
# so that Wine's background services never hold them open.
quiet() { "$@" </dev/null >/dev/null 2>&1; }

# One template prefix per build tree; clones are cheap.
ensure_template() {
  local stamp="$TEMPLATE/.pictomaze-template"
  [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$(wine --version)" ] && return 0
  rm -rf "$TEMPLATE"; mkdir -p "$PREFIXES"
  echo "wine: creating the template prefix (once per build tree)"
  WINEPREFIX=$TEMPLATE quiet wineboot -i
  WINEPREFIX=$TEMPLATE quiet wineserver -w
  wine --version > "$stamp"
}

# clone_prefix DEST: copies the template, hard-linking only the DLL folders
# (Wine rewrites the registry files and user folders in place).
clone_prefix() {
  local dest=$1
  rm -rf "$dest"; mkdir -p "$dest/drive_c/windows"
  (cd "$TEMPLATE" && find . -mindepth 1 -maxdepth 1 ! -name drive_c -exec cp -a {} "$dest/" \;)
  (cd "$TEMPLATE/drive_c" && find . -mindepth 1 -maxdepth 1 ! -name windows -exec cp -a {} "$dest/drive_c/" \;)
  local d
  for d in "$TEMPLATE"/drive_c/windows/*; do
    case $(basename "$d") in
      system32|syswow64|winsxs) cp -al "$d" "$dest/drive_c/windows/" ;;
      *) cp -a "$d" "$dest/drive_c/windows/" ;;
    esac
  done
  detach_user_folders "$dest"
}

# Wine links the user's shell folders (Desktop, Documents, ...) to $HOME; a
# prefix of the build tree gets real folders so that nothing lands outside it.
detach_user_folders() {
  local link
  for link in "$1"/drive_c/users/*/*; do
    [ -L "$link" ] || continue
    rm "$link" && mkdir "$link"
  done
}

# Starts Xvfb on a free display unless DISPLAY already works; sets XVFB_PID.
start_xvfb() {
  local geometry=${1:-1366x768x24}
  XVFB_PID=""
  if [ -n "${DISPLAY:-}" ] && [ -z "${PICTOMAZE_OWN_XVFB:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "$geometry" -nolisten tcp </dev/null >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    kill "$XVFB_PID" 2>/dev/null
  done
  echo "could not start Xvfb" >&2; return 1
}

stop_xvfb() { [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; XVFB_PID=""; }
