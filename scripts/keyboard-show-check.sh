#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# A look at running a show from the keyboard on a real X display, by hand: starts a headless
# virtual sign and the console under Xvfb (with openbox when asked), types two caption lines,
# presses Tab, Down and Return, and screenshots the console after the typing and after the send.
# Prints what the sign received (one packet, mode 0, the first line in the preview) and the
# caption lines the console kept on close, which hold no tab character.
#   scripts/keyboard-show-check.sh OUT_PREFIX [openbox]     (needs xvfb, xdotool, imagemagick)
set -euo pipefail
build=$(cd "$(dirname "$0")/.." && pwd)/build
if [ -n "${DISPLAY:-}" ]; then  # under Xvfb already: the sign comes first, for the console to use
  received=$(mktemp)
  "$build/src/sign/lumetra-sign" --headless >"$received" 2>/dev/null & sign=$!
  for _ in $(seq 50); do grep -q '^/dev/' "$received" && break; sleep 0.1; done
  LUMETRA_COM1=$(grep -m1 '^/dev/' "$received") || { kill "$sign"; echo "the sign did not start" >&2; exit 1; }
  export LUMETRA_COM1
fi
. "$(dirname "$0")/console-on-x.sh" "$@"
console=${pids[-1]}
pids+=("$sign")
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work" "$received"' EXIT

xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
sleep 0.5
xdotool type --delay 60 "one"; xdotool key Return; xdotool type --delay 60 "two"; sleep 0.5
import -window root "$prefix-typed.png"
xdotool key Tab; sleep 0.3; xdotool key Down; sleep 0.3; xdotool key Return; sleep 1.5
import -window root "$prefix-sent.png"
echo "the sign received:"; tail -n +2 "$received"
kill -TERM "$console"  # closes as the close button does: the working state is kept beside it
for _ in $(seq 50); do kill -0 "$console" 2>/dev/null || break; sleep 0.1; done
cp "$work/lw1.ini" "$work/kept.lw"  # read as a settings file, as a name with ".lw" is
echo "the caption lines kept:"; "$build/src/cli/lumetra-cli" show "$work/kept.lw" | tail -n +5
echo "tab characters in them: $(grep -c $'\t' "$work/lw1.ini" || true)"
echo "expected: one packet of 779 bytes in mode 0; the preview shows \"one\"; \"two\" is selected"
