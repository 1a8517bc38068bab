#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for building and testing, then builds the
# Windows-side libraries (libjpeg-turbo, GoogleTest) from Debian's own sources.
# Safe to run again: every step checks whether its result already exists.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deps=${ANSIUTF8_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/ansiutf8-deps}
log() { printf '[bootstrap] %s\n' "$*" >&2; }

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  wine wine32:i386 wine64 xvfb xauth xdotool x11-utils imagemagick
  locales libjpeg-dev libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-format nasm
)

install_packages() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    log "adding the i386 architecture for 32-bit Wine"
    as_root dpkg --add-architecture i386
    need_update=1
  fi
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    log "installing: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  elif [ -n "${need_update:-}" ]; then
    as_root apt-get update -qq
  fi
}

# Wine takes its ANSI code page from the Unix locale: Cyrillic 1251 needs
# ru_RU.UTF-8, Western 1252 comes with en_US.UTF-8.
generate_locale() {
  local wanted=(ru_RU en_US) missing=0 loc
  for loc in "${wanted[@]}"; do
    locale -a 2>/dev/null | grep -qix "$loc\.utf-\?8" || missing=1
  done
  [ "$missing" -eq 0 ] && return
  log "generating the ru_RU.UTF-8 and en_US.UTF-8 locales"
  for loc in "${wanted[@]}"; do
    as_root sed -i "s/^# *\($loc.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$loc.UTF-8 UTF-8" /etc/locale.gen || echo "$loc.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
  done
  as_root locale-gen >/dev/null
}

# A deb-src entry made from the machine's own sources, so no host name lives in this repository.
enable_sources() {
  local src=/etc/apt/sources.list.d/ansiutf8-deb-src.sources
  [ -f "$src" ] && return
  log "enabling Debian source packages"
  local from=/etc/apt/sources.list.d/debian.sources
  if [ -f "$from" ]; then
    sed 's/^Types:.*/Types: deb-src/' "$from" | as_root tee "$src" >/dev/null
  else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | as_root tee "${src%.sources}.list" >/dev/null
    as_root touch "$src"
  fi
  as_root apt-get update -qq
}

build_libjpeg() {
  local arch=$1 prefix="$deps/$1"
  [ -f "$prefix/lib/libjpeg.a" ] && return
  enable_sources
  local work="$deps/src"
  mkdir -p "$work"
  if ! ls -d "$work"/libjpeg-turbo-*/ >/dev/null 2>&1; then
    log "fetching the libjpeg-turbo source package"
    (cd "$work" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
  fi
  local srcdir
  srcdir=$(ls -d "$work"/libjpeg-turbo-*/ | head -n 1)
  log "building libjpeg-turbo for $arch"
  cmake -S "$srcdir" -B "$deps/build-jpeg-$arch" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DCMAKE_POSITION_INDEPENDENT_CODE=OFF >/dev/null
  cmake --build "$deps/build-jpeg-$arch" >/dev/null
  cmake --install "$deps/build-jpeg-$arch" >/dev/null
}

build_gtest() {
  local arch=$1 prefix="$deps/$1"
  [ -f "$prefix/lib/libgtest.a" ] && return
  log "building GoogleTest for $arch"
  cmake -S /usr/src/googletest -B "$deps/build-gtest-$arch" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -Dgtest_disable_pthreads=OFF -DBUILD_GMOCK=ON >/dev/null
  cmake --build "$deps/build-gtest-$arch" >/dev/null
  cmake --install "$deps/build-gtest-$arch" >/dev/null
}

install_packages
generate_locale
mkdir -p "$deps"
for arch in i686 x86_64; do
  build_libjpeg "$arch"
  build_gtest "$arch"
done
log "dependencies ready in $deps"
