#!/usr/bin/env bash
# Measures the converter under Wine against the platform's own controls and
# prints a Markdown table (figures beside their references, as ratios, medians
# of several runs), headed by the machine it ran on:
#   scripts/bench_wine.sh [--runs N] [--skip files|skins|huge]...
# It takes a few minutes (10.9 MB and 100 MB files go through Wine's edit
# control). It never fails because of a figure: it measures.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$repo/scripts/wine_env.sh"

bash "$repo/scripts/bootstrap.sh" >&2
(cd "$repo" && cmake --preset win32 >/dev/null &&
  flock /tmp/ansiutf8-build.lock cmake --build --preset win32 -j 2 \
    --target ansi2utf8 app_bench bare_window >&2)

ensure_display >&2
ensure_wine_prefix
# Each skin we ship is timed beside the built-in one.
install_shipped_skins
# One server for the whole run, so that no start-up pays for starting it.
start_wine_services
trap 'wineserver -k 2>/dev/null || true; [ -n "${ANSIUTF8_XVFB_PID:-}" ] && kill "$ANSIUTF8_XVFB_PID" 2>/dev/null; true' EXIT

echo "Measured on $(date -u +%Y-%m-%d): $(nproc) cores," \
  "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(wine --version)," \
  "code page 1251. These are Wine's figures."
bin="$repo/build/win32"
LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 wine "$bin/bench/wine/app_bench.exe" \
  "$(winepath -w "$bin/app/ansi2utf8.exe")" "$(winepath -w "$bin/bench/wine/bare_window.exe")" "$@" </dev/null
