#!/usr/bin/env bash
# Installs everything the build and the tests need, from Debian's packages, and builds a static
# liblzma for the i686 mingw-w64 cross compiler from Debian's xz-utils source. Idempotent: on a
# machine that is already set up it only checks and returns within seconds.
#
# Usage: scripts/setup-machine.sh [BUILD_DIR]   (the liblzma build is cached under BUILD_DIR/deps)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$here/build}
deps_dir=$build_dir/deps
lzma_prefix=$deps_dir/lzma-i686

packages=(
  build-essential cmake make pkg-config dpkg-dev
  g++-mingw-w64-i686-win32 mingw-w64-i686-dev binutils-mingw-w64-i686
  wine wine32:i386 xvfb x11-utils imagemagick
  googletest libgtest-dev nlohmann-json3-dev liblzma-dev xz-utils
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

src_list=/etc/apt/sources.list.d/tarnwick-deb-src.sources
need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  need_update=1
fi
if [ ! -f "$src_list" ]; then
  # The same Debian suite as the binary packages, for 'apt-get source xz-utils'.
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  as_root tee "$src_list" >/dev/null <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  need_update=1
fi

missing=$(missing_packages)
if [ -n "$missing" ] || [ "$need_update" -eq 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -q
  if [ -n "$missing" ]; then
    # shellcheck disable=SC2086
    as_root apt-get install -y -q --no-install-recommends $missing
  fi
fi

# Static liblzma for the cross compiler, built once per build folder.
if [ ! -f "$lzma_prefix/lib/liblzma.a" ]; then
  mkdir -p "$deps_dir/src"
  cd "$deps_dir/src"
  if ! ls -d xz-utils-*/ >/dev/null 2>&1; then
    apt-get source -q xz-utils >/dev/null
  fi
  src=$(ls -d "$deps_dir"/src/xz-utils-*/ | head -n 1)
  rm -rf "$deps_dir/lzma-build" && mkdir -p "$deps_dir/lzma-build" && cd "$deps_dir/lzma-build"
  "$src/configure" --host=i686-w64-mingw32 --prefix="$lzma_prefix" \
    --enable-static --disable-shared --disable-threads \
    --disable-xz --disable-xzdec --disable-lzmadec --disable-lzmainfo --disable-lzma-links \
    --disable-scripts --disable-doc --disable-nls \
    CFLAGS="-O2" >configure.log 2>&1 || { tail -n 30 configure.log; exit 1; }
  make -j"$(nproc)" >make.log 2>&1 || { tail -n 30 make.log; exit 1; }
  make install >install.log 2>&1
fi
echo "machine ready; static liblzma in $lzma_prefix"
