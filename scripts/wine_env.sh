# Sourced by the scripts that run Windows programs: the project's private Wine
# prefix and, when no X server is given, a private virtual display.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${ANSIUTF8_WINEPREFIX:-$repo/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs: the program needs neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Creates the prefix once. The window manager must neither decorate nor manage
# our windows, or the frame that the program paints itself would be hidden. A
# program that crashes gets its backtrace written out and ends, instead of
# waiting for someone to close Wine's crash dialog, so a test run never hangs.
ensure_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -f "$WINEPREFIX/.ansiutf8-ready-3" ] && exit 0
    echo "[wine] preparing the Wine prefix $WINEPREFIX (about 20 s, once)" >&2
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.ansiutf8-ready-3"
  ) 9>"$WINEPREFIX.lock"
}

# Starts Xvfb on a free display unless DISPLAY already names a usable server.
# Sets ANSIUTF8_XVFB_PID when it started one.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    ANSIUTF8_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
    kill "$ANSIUTF8_XVFB_PID" 2>/dev/null || true
  done
  echo "[wine] could not start Xvfb" >&2
  return 1
}

# One persistent server and Wine's own services for a whole test run. The
# services are started here, with their output going nowhere, because they
# outlive the first program and would otherwise hold its output pipe open
# (CTest waits for that pipe to close).
start_wine_services() {
  wineserver -p
  wine wineboot >/dev/null 2>&1 </dev/null || true
}

# The skins we ship go where the program looks for skin folders (its
# SkinDirectory, c:\Skins), so that they appear under "Available skins".
# Only files that changed are copied; other folders there are left alone.
install_shipped_skins() {
  local skins="$WINEPREFIX/drive_c/Skins"
  mkdir -p "$skins"
  cp -R -u "$repo/skins/." "$skins/"
}
