#!/usr/bin/env bash
# Sets up the machine, builds the converter and starts it under Wine.
#   scripts/start.sh [path/to/file.txt]
# With a file, the converter loads it and can write the converted text back.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$repo/scripts/wine_env.sh"

bash "$repo/scripts/bootstrap.sh"
(cd "$repo" && cmake --preset win32 >/dev/null &&
  flock /tmp/ansiutf8-build.lock cmake --build --preset win32 --target ansi2utf8 -j 2)

ensure_display
if [ -n "${ANSIUTF8_XVFB_PID:-}" ]; then
  echo "No X display found: running on the virtual display $DISPLAY." >&2
fi
ensure_wine_prefix

install_shipped_skins

args=()
if [ $# -ge 1 ]; then
  # Wine sees the Unix root as drive Z:; relative paths stay relative to here.
  case "$1" in
    /*) args+=("$(winepath -w "$1" 2>/dev/null)") ;;
    *) args+=("${1//\//\\}") ;;
  esac
fi
exec wine "$repo/build/win32/app/ansi2utf8.exe" "${args[@]}"
