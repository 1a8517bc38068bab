#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test:
#   0. the layer check: every include follows the order of the layers;
#   1. the portable code natively, under AddressSanitizer and UBSan;
#   2. each fuzz target for a few seconds;
#   3. the 32-bit Windows build under Wine on a private virtual display
#      (unit, window and end-to-end tests);
#   4. the 64-bit Windows build and its tests.
# Prints one summary line per test run and exits non-zero when anything failed.
set -uo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
source scripts/wine_env.sh

fuzz_seconds=${ANSIUTF8_FUZZ_SECONDS:-10}
logs="$repo/build/logs"
failures=()
summaries=()

bash scripts/bootstrap.sh || { echo "bootstrap failed" >&2; exit 1; }
mkdir -p "$logs"

# Builds are heavy; one at a time on this machine, whoever starts them.
build() {
  local preset=$1
  echo "== building $preset"
  cmake --preset "$preset" >"$logs/configure-$preset.log" 2>&1 || { cat "$logs/configure-$preset.log"; return 1; }
  flock /tmp/ansiutf8-build.lock cmake --build --preset "$preset" -j 2 >"$logs/build-$preset.log" 2>&1 ||
    { tail -n 60 "$logs/build-$preset.log"; return 1; }
}

run_tests() {
  local preset=$1 out="$logs/ctest-$1.out"
  echo "== testing $preset"
  ctest --preset "$preset" -j 2 -V >"$out" 2>&1
  local rc=$?
  # One line per test program: its result and its own runner's summary.
  grep -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+:' "$out" | sed -E "s/^ */  $preset: /"
  grep -E '^[0-9]+: \[  (PASSED|FAILED)  \]' "$out" | sed -E "s/^/  $preset: #/"
  local line
  line=$(grep -E 'tests passed|tests failed' "$out" | tail -n 1)
  summaries+=("$preset: ${line:-no tests ran}")
  if [ $rc -ne 0 ]; then
    grep -E -B2 -A12 '(Failure|FAILED|Exception|Timeout)' "$out" | head -n 200
    failures+=("$preset tests")
  fi
}

run_fuzzers() {
  local dir="$repo/build/fuzz/fuzz" n=0 bad=0 f
  echo "== fuzzing, $fuzz_seconds s per target"
  for f in "$dir"/*_fuzzer; do
    [ -x "$f" ] || continue
    local name corpus
    name=$(basename "$f")
    corpus="$repo/build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    n=$((n + 1))
    if "$f" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 "$corpus" "$repo/fuzz/seeds/${name%_fuzzer}" \
        >"$logs/$name.log" 2>&1; then
      echo "  $name: $(grep -E '^Done [0-9]+ runs' "$logs/$name.log" | tail -n 1)"
    else
      bad=$((bad + 1))
      tail -n 40 "$logs/$name.log"
    fi
  done
  summaries+=("fuzz: $n targets, $bad failed")
  [ $bad -eq 0 ] || failures+=("fuzzing")
}

echo "== checking the layers"
if layers=$(bash scripts/check_layers.sh 2>&1); then summaries+=("layers: ${layers#layer check: }"); else echo "$layers"; failures+=("layer check"); fi

if build native; then run_tests native; else failures+=("native build"); fi
if build fuzz; then run_fuzzers; else failures+=("fuzz build"); fi

ensure_display || failures+=("virtual display")
ensure_wine_prefix
start_wine_services
for preset in win32 win64; do
  if build "$preset"; then run_tests "$preset"; else failures+=("$preset build"); fi
done
wineserver -k 2>/dev/null || true
[ -n "${ANSIUTF8_XVFB_PID:-}" ] && kill "$ANSIUTF8_XVFB_PID" 2>/dev/null

echo "== summary"
printf '  %s\n' "${summaries[@]}"
if [ ${#failures[@]} -gt 0 ]; then
  echo "FAILED: ${failures[*]}"
  exit 1
fi
echo "all tests passed"
