#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# A look at the console's live frame on a real X display, by hand: starts the console under Xvfb
# (with openbox when asked) and works its frame with xdotool as a user would, taking a picture
# at each step: the close button hovered and held down, the window rolled up by its button and
# by double clicks on the caption, the system menu from a right click (and again while rolled
# up, where "&Restore" unrolls), then Alt+F4, after which the working state must be saved.
#   scripts/frame-live-check.sh OUT_PREFIX [openbox]   (needs xvfb, xdotool, imagemagick, openbox)
# Each picture is OUT_PREFIX-<step>.png, cut to the window and its surroundings.
. "$(dirname "$0")/console-on-x.sh" "$@"
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus "$win" || true
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"
wx=$X wy=$Y
at() { xdotool mousemove $((wx + $1)) $((wy + $2)); sleep "${3:-0.4}"; }
shot() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window root -crop "$((WIDTH + 160))x$((HEIGHT + 200))+$((X - 40))+$((Y - 40))" +repage "$prefix-$1.png"
  echo "$1: window ${WIDTH}x${HEIGHT} at $X,$Y"
}
size() { xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p'; }

shot start
at 540 24 0.8; shot close-hovered
xdotool mousedown 1; sleep 0.3; shot close-pressed
at 480 120; xdotool mouseup 1; sleep 0.4
echo "released outside the close button: window $(size) (still open)"
at 33 24; xdotool click 1; sleep 0.6; shot rolled-up
echo "after the roll-up button: $(size)"
at 200 200 0.2; at 33 24; xdotool click 1; sleep 0.6
echo "after the roll-up button again: $(size)"
at 150 25; xdotool click --repeat 2 --delay 120 1; sleep 0.6; shot rolled-by-double-click
echo "after a caption double click: $(size)"
at 150 25; xdotool click --repeat 2 --delay 120 1; sleep 0.6
echo "after a second caption double click: $(size)"
at 150 25; xdotool click 3; sleep 0.6; shot system-menu
xdotool key Escape; sleep 0.4; shot menu-closed-by-escape
at 33 24; xdotool click 1; sleep 0.6
at 150 25; xdotool click 3; sleep 0.6; shot system-menu-rolled-up
xdotool key Return; sleep 0.6   # the first line, "&Restore"
echo "after &Restore: $(size)"
at 5 200; xdotool click 3; sleep 0.4; shot right-click-on-border
xdotool key alt+F4; sleep 1
if [ -f "$work/lw1.ini" ]; then echo "Alt+F4 closed the console and it saved lw1.ini"
else echo "no lw1.ini after Alt+F4" >&2; exit 1; fi
