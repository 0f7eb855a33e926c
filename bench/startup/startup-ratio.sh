#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Whole-process timings against plain baselines, as a user waits for them.
#
# 1. Start-up: the console with no working state and with a 10,000- and a 100,000-line working
#    state ("lw1.ini" in its current folder), each against a bare Qt widget window of the same
#    outer size, alternated in every round for ROUNDS rounds (default 11) on one X display. Times
#    are to the first top-level window mapped and to its first paint; the table gives medians, the
#    ratio of the medians and, for the map, the median of each round's ratio (a round's starts run
#    back to back, so a machine that speeds up or slows down between rounds moves both alike).
#    The same window holding four plain controls with Chinese text runs beside them, to tell what
#    any window with such text costs from what the console adds.
# 2. lumetra-cli show, show --json and convert of the 100,000-line show against
#    iconv -f GB18030 -t UTF-8 of the same file, alternated the same way; peak memory of each
#    against the file size and the same command on an empty show (the bare process).
# The shows are generated here: mixed Chinese and ASCII caption lines, GB18030, CR LF.
# Runs itself under xvfb-run when no display is set.
#   bench/startup/startup-ratio.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
export LC_ALL=C  # a "." in EPOCHREALTIME and in awk's numbers
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
cli="$build/src/cli/lumetra-cli"
for program in "$watch" "$bare" "$console" "$cli"; do
  [ -x "$program" ] || { echo "startup-ratio: $program is not built" >&2; exit 1; }
done
for tool in iconv /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "startup-ratio: $tool is missing (scripts/setup.sh --test)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# No per-user working state may stand in for a missing one.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"

# A settings file of $1 caption lines: port 1, 14 pt red 宋体, then text, speed, dwell, mode per
# line. Lines past the settings table carry the defaults, so a convert gives the same bytes back.
make_show() {
  awk -v n="$1" 'BEGIN {
    ORS = "\r\n"
    print 1; print 14; print 255; print "宋体"
    for (i = 0; i < n; i++) {
      if (i % 3 == 0) print "第" i "幕 演员甲：今晚的月色真美 (Act " i ")"
      else if (i % 3 == 1) print "Line " i ": the curtain rises on an empty stage"
      else print "字幕 " i " 他说 \"Hello\" 然后离开了舞台"
      if (i <= 1000) { print i % 7; print i % 11; print i % 20 } else { print 0; print 5; print 0 }
    }
  }' | iconv -f UTF-8 -t GB18030
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Appends "round map paint" of one start in round $i to file $1; the program runs in folder $2. A
# start that the X server refused (it drops a connection now and then under load) is tried again.
time_start() {
  local out=$1 folder=$2 result attempt
  shift 2
  for attempt in 1 2 3; do
    sleep 0.1  # the server settles after the last program was killed
    result=$(cd "$folder" && "$watch" --timeout 60 -- "$@" 2>/dev/null) && break
  done
  echo "$result" | sed -n "s/.*map_ms=\([0-9.]*\) paint_ms=\([0-9.]*\).*/$i \1 \2/p" >> "$out"
}

# Appends the wall time in ms of one run of the command to file $1 (output discarded).
time_run() {
  local out=$1 t0 t1
  shift
  t0=$EPOCHREALTIME
  "$@" > /dev/null
  t1=$EPOCHREALTIME
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.1f\n", (b - a) * 1000 }' >> "$out"
}

# Peak resident memory in KB of one run of the command.
peak_kb() {
  /usr/bin/time -f %M -o "$work/peak" "$@" > /dev/null
  cat "$work/peak"
}

states=(empty 10000 100000)
for state in "${states[@]}"; do
  mkdir -p "$work/$state"
  [ "$state" = empty ] || make_show "$state" > "$work/$state/lw1.ini"
done
make_show 0 > "$work/empty.lw"
show="$work/100000/lw1.ini"
cp "$show" "$work/show.lw"
show="$work/show.lw"
bytes=$(stat -c %s "$show")

# --- 1. start-up ------------------------------------------------------------------------------
: > "$work/bare.txt"
: > "$work/chinese.txt"
for state in "${states[@]}"; do : > "$work/console-$state.txt"; done
for ((i = 1; i <= rounds; i++)); do
  time_start "$work/bare.txt" "$work/empty" "$bare" 555 392
  time_start "$work/chinese.txt" "$work/empty" "$bare" 555 392 --chinese
  for state in "${states[@]}"; do time_start "$work/console-$state.txt" "$work/$state" "$console"; done
done
column_median() { awk -v c="$1" '{print $c}' "$2" | median; }
# The median over the rounds of file $1's map time over the bare window's in the same round.
round_ratio() {
  join <(sort -k1,1 "$work/bare.txt") <(sort -k1,1 "$1") | awk '{print $4 / $2}' | median |
    awk '{printf "%.2f", $1}'
}
bare_map=$(column_median 2 "$work/bare.txt")
bare_paint=$(column_median 3 "$work/bare.txt")

echo "rounds: $rounds; show file: $bytes bytes (100,000 lines)"
echo
printf '%-28s %9s %7s %9s %11s %7s\n' "start-up (median ms)" "mapped" "ratio" "per round" "first paint" "ratio"
printf '%-28s %9s %7s %9s %11s %7s\n' "bare Qt window 555x392" "$bare_map" "1.00" "1.00" "$bare_paint" "1.00"
chinese_map=$(column_median 2 "$work/chinese.txt")
chinese_paint=$(column_median 3 "$work/chinese.txt")
printf '%-28s %9s %7s %9s %11s %7s\n' " + 4 Chinese controls" "$chinese_map" "$(ratio "$chinese_map" "$bare_map")" \
  "$(round_ratio "$work/chinese.txt")" "$chinese_paint" "$(ratio "$chinese_paint" "$bare_paint")"
declare -A map paint
for state in "${states[@]}"; do
  map[$state]=$(column_median 2 "$work/console-$state.txt")
  paint[$state]=$(column_median 3 "$work/console-$state.txt")
  label="console, $state lines"
  [ "$state" = empty ] && label="console, no working state"
  printf '%-28s %9s %7s %9s %11s %7s\n' "$label" "${map[$state]}" "$(ratio "${map[$state]}" "$bare_map")" \
    "$(round_ratio "$work/console-$state.txt")" "${paint[$state]}" "$(ratio "${paint[$state]}" "$bare_paint")"
done

# --- 2. lumetra-cli against iconv ------------------------------------------------------------
commands=(iconv show show-json convert)
command_line() {  # sets cmd to command $1 on show file $2
  case $1 in
    iconv) cmd=(iconv -f GB18030 -t UTF-8 "$2") ;;
    show) cmd=("$cli" show "$2") ;;
    show-json) cmd=("$cli" show --json "$2") ;;
    convert) cmd=("$cli" convert "$2" "$work/converted.lw") ;;
  esac
}
for name in "${commands[@]}"; do : > "$work/$name.txt"; done
for ((i = 1; i <= rounds; i++)); do
  for name in "${commands[@]}"; do
    command_line "$name" "$show"
    time_run "$work/$name.txt" "${cmd[@]}"
  done
done
cmp -s "$show" "$work/converted.lw" || echo "startup-ratio: convert did not give the show's bytes back" >&2
iconv_ms=$(median < "$work/iconv.txt")

echo
printf '%-28s %9s %7s %10s %10s %7s\n' "100,000-line show (ms, KB)" "median" "/iconv" "peak KB" "bare KB" "extra/file"
for name in "${commands[@]}"; do
  ms=$(median < "$work/$name.txt")
  command_line "$name" "$show"
  peak=$(peak_kb "${cmd[@]}")
  command_line "$name" "$work/empty.lw"
  base=$(peak_kb "${cmd[@]}")
  printf '%-28s %9s %7s %10s %10s %7s\n' "$name" "$ms" "$(ratio "$ms" "$iconv_ms")" "$peak" "$base" \
    "$(awk -v p="$peak" -v b="$base" -v f="$bytes" 'BEGIN { printf "%.2f", (p - b) * 1024 / f }')"
done

echo
awk -v e="${map[empty]}" -v h="${map[100000]}" -v i="$iconv_ms" 'BEGIN {
  printf "100,000 lines mapped in %.1f ms; allowed 1.5 x %.1f + 3 x %.1f = %.1f ms\n", h, e, i, 1.5 * e + 3 * i }'
