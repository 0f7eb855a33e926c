#!/usr/bin/env bash
# Whole-process start-up: the console to its first painted frame against a bare Qt widget window
# of the same outer size, alternated for ROUNDS rounds (default 11) on one X display; prints the
# medians and the ratio. Runs itself under xvfb-run when no display is set.
#   bench/startup/startup-ratio.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
rounds=${2:-11}
build=$(cd "$build" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x800x24' "$0" "$build" "$rounds"
fi
watch="$build/bench/startup/lumetra-first-paint"
bare="$build/bench/startup/lumetra-bare-window"
console="$build/src/app/lumetra"
for program in "$watch" "$bare" "$console"; do
  [ -x "$program" ] || { echo "startup-ratio: $program is not built" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"  # the console reads and never writes its working state here (it is ended, not closed)

paint_ms() { "$watch" --timeout 30 -- "$@" | sed -n 's/.*paint_ms=\([0-9.]*\).*/\1/p'; }
median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

: > bare.txt
: > console.txt
for ((i = 1; i <= rounds; i++)); do
  paint_ms "$bare" 555 392 >> bare.txt
  paint_ms "$console" >> console.txt
done
bare_median=$(median < bare.txt)
console_median=$(median < console.txt)
echo "rounds: $rounds"
echo "bare Qt window 555x392, first paint: median ${bare_median} ms ($(tr '\n' ' ' < bare.txt))"
echo "console, first painted frame:       median ${console_median} ms ($(tr '\n' ' ' < console.txt))"
awk -v c="$console_median" -v b="$bare_median" 'BEGIN { printf "ratio console / bare: %.2f\n", c / b }'
