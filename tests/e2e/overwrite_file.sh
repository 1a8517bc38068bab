#!/usr/bin/env bash
# End to end, as a person would use it: the README's start command with a file,
# a click on "ANSI > UTF-8", a click on the overwrite button, the window
# closed; then the file must hold the UTF-8 form of its text, without a
# byte-order mark. Screenshots of each step go to build/screenshots/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_setup.sh"

# Cyrillic text in code page 1251, with Unix line breaks.
printf 'Привет, мир!\nВторая строка\n' | iconv -f UTF-8 -t CP1251 >"$work/sample.txt"
expected=$(printf 'Привет, мир!\r\nВторая строка\r\n' | od -An -tx1 | tr -d ' \n')

LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 bash "$repo/scripts/start.sh" "$work/sample.txt" \
  >"$work/app.log" 2>&1 &
app=$!

wid=$(timeout 120 xdotool search --sync --onlyvisible --name 'ANSI > UTF-8  ::  UTF-8 > ANSI' | head -n 1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
# The client area (688 x 404) sits centred at the bottom of the frame.
border=$(((WIDTH - 688) / 2))
top=$((HEIGHT - 404 - border))
click() {
  xdotool mousemove --window "$wid" $((border + $1)) $((top + $2)) click 1
  sleep 0.7
}
import -window root "$shots/e2e-1-loaded.png"
click 260 195 # "ANSI > UTF-8"
import -window root "$shots/e2e-2-converted.png"
click 488 195 # the overwrite button
import -window root "$shots/e2e-3-overwritten.png"

close_app "$wid"

actual=$(od -An -tx1 "$work/sample.txt" | tr -d ' \n')
if [ "$actual" != "$expected" ]; then
  echo "file bytes: $actual" >&2
  echo "expected:   $expected" >&2
  exit 1
fi
echo "[  PASSED  ] end-to-end: the file holds the UTF-8 form of its text"
