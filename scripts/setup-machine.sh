#!/usr/bin/env bash
# Installs everything the build and the tests need, from Debian's packages, and builds a static
# liblzma for the mingw-w64 cross compilers (i686 for the shipped runtime, x86_64 for its test
# copy) from Debian's xz-utils source. Idempotent: on a machine that is already set up it only
# checks and returns within seconds.
#
# Wine: only the 64-bit Wine is installed. Our machines cannot execute i386 Linux binaries, so
# wine32 cannot start here; the tests run the 64-bit build of the same sources.
#
# Usage: scripts/setup-machine.sh [BUILD_DIR]   (the liblzma build is cached under BUILD_DIR/deps)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(mkdir -p "${1:-$here/build}" && cd "${1:-$here/build}" && pwd)
deps_dir=$build_dir/deps

packages=(
  build-essential cmake make pkg-config dpkg-dev
  g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  wine wine64 xvfb x11-utils imagemagick
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

# Static liblzma for each cross compiler, built once per build folder.
build_lzma() {
  local host=$1 prefix=$deps_dir/lzma-${1%%-*}
  [ -f "$prefix/lib/liblzma.a" ] && return 0
  mkdir -p "$deps_dir/src"
  if ! ls -d "$deps_dir"/src/xz-utils-*/ >/dev/null 2>&1; then
    (cd "$deps_dir/src" && apt-get source -q xz-utils >/dev/null 2>&1)
  fi
  local src
  src=$(ls -d "$deps_dir"/src/xz-utils-*/ | head -n 1)
  local work=$deps_dir/lzma-build-$host
  rm -rf "$work" && mkdir -p "$work"
  (
    cd "$work"
    "$src/configure" --host="$host" --prefix="$prefix" \
      --enable-static --disable-shared --disable-threads \
      --disable-xz --disable-xzdec --disable-lzmadec --disable-lzmainfo --disable-lzma-links \
      --disable-scripts --disable-doc --disable-nls \
      CC="$host-gcc-posix" CFLAGS="-O2" >configure.log 2>&1 || { tail -n 30 configure.log; exit 1; }
    make -j"$(nproc)" >make.log 2>&1 || { tail -n 30 make.log; exit 1; }
    make install >install.log 2>&1
  )
}
build_lzma i686-w64-mingw32
build_lzma x86_64-w64-mingw32
echo "machine ready; static liblzma in $deps_dir"
