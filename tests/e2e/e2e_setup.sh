# Sourced by the end-to-end tests: the project's Wine settings, a display, a
# folder for screenshots ($shots) and a scratch folder ($work) that goes at
# the end, with the program started into $app if it still runs.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$repo/scripts/wine_env.sh"
ensure_display
shots="$repo/build/screenshots"
mkdir -p "$shots"
work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${app:-}" ] && kill "$app" 2>/dev/null; true' EXIT

# Closes the window $1 as a person would (Alt+F4) and waits up to $2 seconds
# (default 10) for the program to end; fails when it does not.
close_app() {
  xdotool windowfocus --sync "$1"
  xdotool key alt+F4
  local _
  for _ in $(seq $((${2:-10} * 10))); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app" 2>/dev/null; then
    echo "the window did not close" >&2
    return 1
  fi
  app=
}
