#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# A look at the console's frame on a real X display, by hand: starts the console under Xvfb
# (with openbox when asked), screenshots it, drags its caption with xdotool and screenshots it
# again; prints the window's geometry before and after the drag.
#   scripts/frame-check.sh OUT_PREFIX [openbox]     (needs xvfb, xdotool, imagemagick, openbox)
. "$(dirname "$0")/console-on-x.sh" "$@"
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
