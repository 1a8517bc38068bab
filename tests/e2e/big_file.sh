#!/usr/bin/env bash
# End to end with a big file, as a person would open it: the README's start
# command with a file of 200 000 Cyrillic lines (10.9 MB, Unix line breaks).
# The window must show all of it: every line in the upper memo, each break
# made CR LF, and the file's path in the status bar. A screenshot of the
# loaded window goes to build/screenshots/.
#   tests/e2e/big_file.sh <window_probe.exe>
set -euo pipefail
probe=$1
source "$(dirname "${BASH_SOURCE[0]}")/e2e_setup.sh"

lines=200000
cp1251() { printf '%s' "$1" | iconv -f UTF-8 -t CP1251; }
# Lines of 54.5 bytes on average, with their breaks.
LC_ALL=C awk -v n=$lines -v word="$(cp1251 'Строка')" \
  -v prose="$(cp1251 'съешь же ещё этих мягких французских булок, да выпей чаю')" \
  'BEGIN { for (i = 0; i < n; i++) printf "%s %06d: %s\n", word, i, substr(prose, 1, 34 + i % 10) }' \
  >"$work/big.txt"
bytes=$(stat -c %s "$work/big.txt")

export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
bash "$repo/scripts/start.sh" "$work/big.txt" >"$work/app.log" 2>&1 &
app=$!

title='ANSI > UTF-8  ::  UTF-8 > ANSI  ::  v. 1.1'
mapfile -t shown < <(wine "$probe" "$title" 600 | tr -d '\r')
import -window root "$shots/e2e-big-file.png" || true

path=$(winepath -w "$work/big.txt" 2>/dev/null)
failed=0
# The edit control counts the empty line after the last break too.
[ "${shown[0]:-}" = $((lines + 1)) ] || { echo "lines shown: ${shown[0]:-none}, expected $((lines + 1))" >&2; failed=1; }
[ "${shown[1]:-}" = $((bytes + lines)) ] || { echo "bytes shown: ${shown[1]:-none}, expected $((bytes + lines))" >&2; failed=1; }
case "${shown[2]:-}" in
  *"  ::  Файл: $path") ;;
  *) echo "status bar: ${shown[2]:-none}" >&2; failed=1 ;;
esac

close_app "$(xdotool search --onlyvisible --name "$title" | head -n 1)" 30 || failed=1
[ $failed -eq 0 ] || exit 1
echo "[  PASSED  ] end-to-end: all $lines lines of a $bytes-byte file are shown"
