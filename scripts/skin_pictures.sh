#!/usr/bin/env bash
# Takes the README's pictures of the main window in each skin from the real
# program under Wine, choosing every skin as a user does: a right click on the
# title, "Available skins", the skin. Writes docs/skins/<skin>.png and the
# grid docs/skins.png. Look at them before committing them.
#   scripts/skin_pictures.sh            (builds the program first)
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
unset DISPLAY  # a display of its own, whatever the caller has open
source "$repo/scripts/wine_env.sh"

(cd "$repo" && cmake --preset win32 >/dev/null &&
  flock /tmp/ansiutf8-build.lock cmake --build --preset win32 --target ansi2utf8 -j 2)
ensure_display
ensure_wine_prefix
# A fixed place, so that the path in the status bar is short and the same
# every time.
work=/tmp/ansiutf8-pictures
mkdir -p "$work"
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "${ANSIUTF8_XVFB_PID:-}" ] && kill "$ANSIUTF8_XVFB_PID" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

install_shipped_skins

# A text to show: short lines, a long one to scroll sideways, more lines than
# the memo shows.
{
  printf 'Dear reader,\r\n\r\n'
  printf 'This window converts text between the ANSI code page and UTF-8, byte for byte.\r\n'
  printf 'Paste text above, press a button, and read the result below.\r\n\r\n'
  printf '  * ANSI > UTF-8 turns 8-bit text of this computer'"'"'s code page into UTF-8.\r\n'
  printf '  * UTF-8 > ANSI does the opposite, for files written elsewhere.\r\n\r\n'
  printf 'Every part of this window is drawn by its own skinning engine: the frame, the title,\r\n'
  printf 'the buttons, the memos and their scroll bars, the status bar and the menus.\r\n'
  printf 'Right-click the title and choose one of the "Available skins" to change its look at once.\r\n\r\n'
  printf 'Line 12 is a long one, so that the memo has something to scroll sideways as well: '
  printf 'the quick brown fox jumps over the lazy dog.\r\n'
  printf 'Line 13\r\nLine 14'
} >"$work/welcome.txt"

wine "$repo/build/win32/app/ansi2utf8.exe" "$(winepath -w "$work/welcome.txt")" &
window=$(xdotool search --sync --onlyvisible --name 'ANSI > UTF-8' | head -n 1)
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"

# The converted text below, as a user would make it; then a click into the
# text above, which takes away the selection that focusing it made.
xdotool mousemove $((X + 258)) $((Y + 214)) click 1
sleep 1
xdotool mousemove $((X + 400)) $((Y + 100)) click 1
sleep 1

# The skins in the order of the menu (sorted without regard to case).
shoot() { # name, position in the skin list
  xdotool mousemove $((X + 100)) $((Y + 10)) click 3
  sleep 1
  xdotool key Down Right
  for _ in $(seq 2 "$2"); do xdotool key Down; done
  xdotool key Return
  xdotool mousemove 0 0
  sleep 2
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$repo/docs/skins/$1.png"
}
mkdir -p "$repo/docs/skins"
shoot graphite 3
shoot high-contrast 4
shoot linen 5
shoot elegant 2

cd "$repo/docs/skins"
montage -label 'Graphite' graphite.png -label 'High Contrast' high-contrast.png \
  -label 'Linen' linen.png -label 'Elegant (built in)' elegant.png \
  -tile 2x2 -geometry +8+8 -font DejaVu-Sans -pointsize 16 -background '#dddddd' "$repo/docs/skins.png"
echo "Written: docs/skins/*.png and docs/skins.png"
