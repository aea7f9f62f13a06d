#!/usr/bin/env bash
# Installs every Debian package the build and the tests need, and fetches the
# minizip sources into the build tree. Safe to run again: skips what is there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
export DEBIAN_FRONTEND=noninteractive

packages=(g++-mingw-w64-i686-posix mingw-w64-tools binutils-mingw-w64-i686 libz-mingw-w64-dev
          cmake make wine wine32:i386 wine64 googletest xvfb xauth liblnk-utils zip unzip
          imagemagick x11-apps x11-utils dpkg-dev python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
updated=0
apt_update() { [ $updated -eq 1 ] || { $SUDO apt-get update -qq; updated=1; }; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  apt_update
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# minizip: the unzip part of zlib's contributed sources, from Debian's zlib
# source package. Never committed; built by CMake as a static library.
mz=$build/third_party/minizip
if [ ! -f "$mz/unzip.c" ]; then
  src_list=/etc/apt/sources.list.d/pictomaze-src.sources
  if [ ! -f "$src_list" ]; then
    base=/etc/apt/sources.list.d/debian.sources
    if [ -f "$base" ]; then
      sed 's/^Types:.*/Types: deb-src/' "$base" | $SUDO tee "$src_list" >/dev/null
    else
      grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $SUDO tee /etc/apt/sources.list.d/pictomaze-src.list >/dev/null
    fi
    updated=0
  fi
  apt_update
  work=$build/third_party/zlib-src
  rm -rf "$work"; mkdir -p "$work" "$mz"
  got=0
  for v in 1:1.2.13.dfsg-1 $(apt-cache showsrc zlib 2>/dev/null | sed -n 's/^Version: //p'); do
    if (cd "$work" && apt-get source --download-only -qq "zlib=$v" >/dev/null 2>&1); then got=1; break; fi
  done
  [ $got -eq 1 ] || { echo "bootstrap: could not fetch the zlib sources" >&2; exit 1; }
  (cd "$work" && dpkg-source -x --skip-patches ./*.dsc src >/dev/null 2>&1 || dpkg-source -x ./*.dsc src >/dev/null)
  cp "$work"/src/contrib/minizip/{unzip.c,unzip.h,ioapi.c,ioapi.h,iowin32.c,iowin32.h,crypt.h} "$mz"/
  rm -rf "$work"
fi
echo "bootstrap: ready"
