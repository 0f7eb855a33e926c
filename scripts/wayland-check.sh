#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# The console under a Wayland compositor: starts weston (pixman renderer, XWayland on) and runs
# the console both ways, taking the compositor's screenshots into OUT (default
# build/wayland-check):
#   1. on Wayland itself, in-process (lumetra_wayland_tests), with input the test gives its own
#      windows: frame, hover, system menu, roll-up, hint (native-*.png);
#   2. the real programs as a Wayland session starts them: with X beside it both choose X
#      (XWayland) and say so; the console is worked with the compositor's pointer: system menu,
#      roll-up, a drag by the caption, Alt+F4 (xwayland-*.png); without X the console runs on
#      Wayland and is dragged by its caption too (native-drag-*.png).
# weston runs with its X11 back end on a private Xvfb, whose pointer xdotool moves: the headless
# back end has no pointer at all, so there a compositor could run no move, and XWayland stops
# on the first pointer event it is given.
# Exits non-zero on any failure; skips (exit 0, with the reason) only when the compositor cannot
# start at all here.
#   scripts/wayland-check.sh [OUT]      (needs weston, xwayland, qt6-wayland, xvfb, xdotool)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMETRA_BUILD_DIR:-$root/build}
out=$(realpath -m "${1:-$build/wayland-check}")
if [ -z "${LUMETRA_WAYLAND_CHECK_HOST:-}" ]; then
  "$root/scripts/setup.sh" --test
  "$root/scripts/build.sh" --with-tests --target lumetra lumetra-sign lumetra_wayland_tests >/dev/null
  exec env LUMETRA_WAYLAND_CHECK_HOST=1 xvfb-run -a -s '-screen 0 1280x800x24' "$0" "$out"
fi
host=$DISPLAY
mkdir -p "$out"
rm -f "$out"/*.png

runtime=$(mktemp -d)  # private (0700), as a compositor wants its runtime folder
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  # The compositor's own account, for a failed check.
  cp "$runtime/weston.log" "$out/weston.log" 2>/dev/null || true
  rm -rf "$runtime"
}
trap cleanup EXIT
failures=0 passes=0
pass() { echo "wayland-check: ok: $*"; passes=$((passes + 1)); }
fail() { echo "wayland-check: FAIL: $*" >&2; failures=$((failures + 1)); }

socket=lumetra-wayland-$$
XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --use-pixman --xwayland --width=1280 --height=800 \
  --socket="$socket" --debug --no-config --idle-time=0 --log="$runtime/weston.log" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && grep -q 'xserver listening' "$runtime/weston.log" 2>/dev/null && break
  kill -0 "${pids[0]}" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ] || ! kill -0 "${pids[0]}" 2>/dev/null; then
  echo "wayland-check: skipped: the compositor cannot start here: $(tail -n 3 "$runtime/weston.log" 2>/dev/null | tr '\n' ' ')"
  exit 0
fi
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket
DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/weston.log" | head -1)
export DISPLAY
# The compositor's on-screen keyboard would come up for every text field and cover the pictures.
export QT_IM_MODULE=none
unset QT_QPA_PLATFORM
sleep 1  # the desktop's panel and background

# The compositor's pointer and keyboard (the X11 back end's window fills the host display, so
# host and compositor coordinates are the same).
input() { DISPLAY=$host xdotool "$@"; }
park() { input mousemove 1279 0; sleep 0.3; }  # over the panel, clear of every window
# The X11 back end moves the compositor's pointer by the host pointer's steps, from wherever it
# happened to enter; pressing it against two opposite corners makes the two agree.
input mousemove 1279 799; sleep 0.3; input mousemove 0 0; sleep 0.3
# The compositor's picture of its screen as OUT/NAME.png.
shot() {
  mkdir -p "$runtime/shot"
  (cd "$runtime/shot" && weston-screenshooter >/dev/null 2>&1) && mv "$runtime/shot/"*.png "$out/$1.png" ||
    fail "no screenshot $1"
}
park
shot desktop
# The rectangle (X Y W H) where OUT/NAME.png differs from the empty desktop below its panel.
changed() {
  local g
  g=$(convert "$out/desktop.png" "$out/$1.png" -compose difference -composite -crop 1280x768+0+32 +repage \
        -threshold 0 -format '%@' info:)
  [[ $g =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] &&
    echo "${BASH_REMATCH[3]} $((BASH_REMATCH[4] + 32)) ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
}

# 1. On Wayland itself, in-process.
if LUMETRA_SHOTS=$out QT_QPA_PLATFORM=wayland timeout 120 env -u DISPLAY "$build/tests/lumetra_wayland_tests" \
     --gtest_brief=1 >"$runtime/native.log" 2>&1; then
  pass "the console on Wayland, in-process: $(sed -n 's/^\[==========\] \([0-9]*\) tests\? from.*/\1 cases/p' "$runtime/native.log")"
else
  cat "$runtime/native.log" >&2
  fail "the console on Wayland, in-process"
fi

# Starts a copy of PROGRAM in a scratch folder of its own (the console keeps its working state
# beside itself), with env's options for its environment; its standard error goes to $work/stderr.
start() {
  work=$(mktemp -d "$runtime/run.XXXX")
  cp "$1" "$work/"
  (cd "$work" && exec env "${@:2}" XDG_CONFIG_HOME="$work/config" "./$(basename "$1")" >"$work/stdout" 2>"$work/stderr") &
  pids+=($!)
}
says() { grep -q "$2" "$work/stderr" && pass "$1" || fail "$1: standard error was: $(cat "$work/stderr")"; }
x_window() {
  local found=""
  for _ in $(seq 50); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$found" ] && break
    sleep 0.2
  done
  echo "$found"
}
x_place() { xwininfo -id "$1" | sed -n 's/.*Absolute upper-left [XY]: *//p' | paste -sd ' '; }
x_height() { xwininfo -id "$1" | sed -n 's/.*Height: *//p'; }
# The drag that keeps a window of WIDTH HEIGHT at (LEFT TOP) on the screen: 120,80 each way
# away from the nearer edge.
drag_for() {
  local dx=120 dy=80
  [ $(($1 + $3 + 120)) -le 1280 ] || dx=-120
  [ $(($2 + $4 + 80)) -le 800 ] || dy=-80
  echo "$dx $dy"
}
# A left-button drag from window point (X Y) of a window at (LEFT TOP) by (DX DY) in ten steps.
drag() {
  local x=$(($3 + $1)) y=$(($4 + $2))
  input mousemove "$x" "$y"; sleep 0.3
  input mousedown 1; sleep 0.3
  for i in $(seq 10); do input mousemove $((x + $5 * i / 10)) $((y + $6 * i / 10)); sleep 0.1; done
  input mouseup 1; sleep 0.6
}
double_click() { input mousemove $(($1 + $3)) $(($2 + $4)); sleep 0.3; input click --repeat 2 --delay 120 1; sleep 0.8; }

# 2. A Wayland session with X beside it: both programs choose X and say why.
start "$build/src/app/lumetra"
console=${pids[-1]}
win=$(x_window 'Lumetra2.0')
if [ -z "$win" ]; then
  fail "the console's window did not appear on X"
else
  says "the console chose X in a Wayland session" 'lumetra: starting on X (XWayland)'
  sleep 1
  read -r wx wy < <(x_place "$win")
  height=$(x_height "$win")
  shot xwayland-frame
  input mousemove $((wx + 150)) $((wy + 25)); sleep 0.3; input click 3; sleep 0.6
  shot xwayland-system-menu
  input key Escape; sleep 0.3
  double_click 150 25 "$wx" "$wy"
  [ "$(x_height "$win")" -eq 55 ] && pass "XWayland: a caption double click rolled the window up" ||
    fail "XWayland: rolled up to $(x_height "$win"), not 55 pixels"
  shot xwayland-rolled-up
  double_click 150 25 "$wx" "$wy"
  [ "$(x_height "$win")" -eq "$height" ] || fail "XWayland: unrolled to $(x_height "$win"), not $height pixels"
  shot xwayland-drag-before
  read -r dx dy < <(drag_for "$wx" "$wy" 555 "$height")
  drag 150 25 "$wx" "$wy" "$dx" "$dy"
  shot xwayland-drag-after
  read -r nx ny < <(x_place "$win")
  [ "$nx $ny" = "$((wx + dx)) $((wy + dy))" ] && pass "XWayland: a drag by the caption moved the window by $dx,$dy" ||
    fail "XWayland: the drag by $dx,$dy took the window from $wx,$wy to $nx,$ny"
  input key alt+F4; sleep 1
  [ -f "$work/lw1.ini" ] && pass "XWayland: Alt+F4 closed the console, which saved its working state" ||
    fail "XWayland: no lw1.ini after Alt+F4"
fi
kill "$console" 2>/dev/null || true

start "$build/src/sign/lumetra-sign"
if [ -n "$(x_window 'Lumetra sign')" ]; then
  says "lumetra-sign chose X in a Wayland session" 'lumetra-sign: starting on X (XWayland)'
else
  fail "lumetra-sign's window did not appear on X"
fi
kill "${pids[-1]}" 2>/dev/null || true
park

# 3. A Wayland session without X: the console runs on Wayland and says so; the compositor
# places it and moves it when its caption is dragged.
start "$build/src/app/lumetra" -u DISPLAY
sleep 3
if kill -0 "${pids[-1]}" 2>/dev/null; then
  says "the console chose Wayland without X" 'lumetra: no X display in this Wayland session'
  shot native-drag-before
  read -r wx wy ww wh < <(changed native-drag-before)
  read -r dx dy < <(drag_for "$wx" "$wy" "$ww" "$wh")
  drag 150 25 "$wx" "$wy" "$dx" "$dy"
  park
  shot native-drag-after
  read -r nx ny nw nh < <(changed native-drag-after)
  [ "$nx $ny $nw $nh" = "$((wx + dx)) $((wy + dy)) $ww $wh" ] &&
    pass "Wayland: a drag by the caption moved the ${ww}x$wh window by $dx,$dy" ||
    fail "Wayland: the drag by $dx,$dy took the window from $wx,$wy (${ww}x$wh) to $nx,$ny (${nw}x$nh)"
else
  fail "the console ended on Wayland: $(cat "$work/stderr")"
fi
kill "${pids[-1]}" 2>/dev/null || true

echo "wayland-check: screenshots in $out"
echo "wayland-check: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
