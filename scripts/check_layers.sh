#!/usr/bin/env bash
# Keeps the product's layers: reads every #include "…" of the product folders
# and fails, naming the file and the include, on one that reaches a folder the
# including folder may not use. The table below is the one place where the
# order is written; docs/architecture.md draws it.
#
# Usage: scripts/check_layers.sh [repository]   (exit status 1 on a violation)
set -euo pipefail
repo=$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)

# folder          may include (besides itself). Lowest layer first; a folder
#                 names only folders above it, so the includes cannot loop.
#                 "res" stands for the pictures generated into headers.
layers='
core
pixels
app/core
skin            core pixels res
paint/masks     core pixels skin
paint/sections  core pixels skin paint/masks
ui              core pixels
paint           core pixels skin ui paint/masks paint/sections
controls        core pixels skin ui paint paint/masks paint/sections
menus           core pixels skin ui paint paint/masks paint/sections
frame           core pixels skin ui paint paint/masks paint/sections menus
app             core pixels skin ui paint paint/masks paint/sections controls menus frame app/core res
'

declare -A allowed=() rank=()
folders=()
n=0
while read -r folder uses; do
  [ -n "$folder" ] || continue
  for used in $uses; do
    if [ "$used" != res ] && [ -z "${rank[$used]+set}" ]; then
      echo "layer table: $folder names $used, which is not listed above it" >&2
      exit 2
    fi
  done
  rank[$folder]=$n
  allowed[$folder]=" $folder $uses "
  folders+=("$folder")
  n=$((n + 1))
done <<<"$layers"

# The layer a path belongs to: its longest listed folder prefix.
layer_of() {
  local path=$1 best="" f
  for f in "${folders[@]}"; do
    case "$path" in "$f"/*) [ ${#f} -gt ${#best} ] && best=$f ;; esac
  done
  printf '%s' "$best"
}

# Generated headers (no folder in the name) come from res/.
target_layer() {
  local include=$1
  case "$include" in
    */*) layer_of "$include" ;;
    *) printf 'res' ;;
  esac
}

violations=0
checked=0
cd "$repo"
while IFS= read -r -d '' file; do
  from=$(layer_of "$file")
  [ -n "$from" ] || continue
  checked=$((checked + 1))
  while IFS=: read -r line include; do
    # An include next to the file (no folder) that exists there is the file's own layer.
    if [[ "$include" != */* ]] && [ -f "$(dirname "$file")/$include" ]; then continue; fi
    to=$(target_layer "$include")
    [ -n "$to" ] || continue # beside the product: tests, tools
    if [[ "${allowed[$from]}" != *" $to "* ]]; then
      echo "$file:$line: includes \"$include\": $from may not include $to" >&2
      violations=$((violations + 1))
    fi
  done < <(grep -n -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+"' "$file" |
    sed -E 's/^([0-9]+):.*"([^"]+)"$/\1:\2/')
done < <(find $(printf '%s\n' "${folders[@]%%/*}" | sort -u) -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

if [ "$violations" -gt 0 ]; then
  echo "layer check: $violations include(s) against the layer order" >&2
  exit 1
fi
echo "layer check: $checked files, every include follows the layer order"
