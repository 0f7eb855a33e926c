#!/usr/bin/env bash
# A look at the console's frame on a real X display, by hand: starts the console under Xvfb
# (with openbox when asked), screenshots it, drags its caption with xdotool and screenshots it
# again; prints the window's geometry before and after the drag.
#   scripts/frame-check.sh OUT_PREFIX [openbox]     (needs xvfb, xdotool, imagemagick, openbox)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=$(realpath -m "$1")
wm=${2:-}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x800x24' "$0" "$prefix" "$wm"
fi
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
if [ "$wm" = openbox ]; then
  openbox & pids+=($!)
  sleep 1.5
fi
(cd "$work" && exec "$root/build/src/app/lumetra") & pids+=($!)
win=
for _ in $(seq 50); do
  win=$(xdotool search --name 'Lumetra2.0' 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break
  sleep 0.2
done
[ -n "$win" ] || { echo "frame-check: the console's window did not appear" >&2; exit 1; }
sleep 1
xdotool getwindowgeometry "$win"
import -window root "$prefix-before.png"
eval "$(xdotool getwindowgeometry --shell "$win")"
x0=$((X + 100)) y0=$((Y + 25))
xdotool mousemove "$x0" "$y0"; sleep 0.3
xdotool mousedown 1; sleep 0.3
for i in $(seq 10); do xdotool mousemove $((x0 + 12 * i)) $((y0 + 8 * i)); sleep 0.1; done
xdotool mouseup 1; sleep 0.8
xdotool getwindowgeometry "$win"
import -window root "$prefix-after.png"
echo "expected: moved by 120,80"
