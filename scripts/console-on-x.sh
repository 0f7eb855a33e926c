# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# The start shared by the by-hand looks at the console on a real X display; sourced, not run:
#   . "$(dirname "$0")/console-on-x.sh" OUT_PREFIX [openbox]
# Runs the sourcing script again under Xvfb when no display is set, starts openbox when asked and
# a copy of the console in a scratch folder (it keeps its working state beside itself), and
# waits for its window. Sets root, prefix, work (removed at exit) and win.
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
cp "$root/build/src/app/lumetra" "$work/"
(cd "$work" && XDG_CONFIG_HOME="$work/config" exec ./lumetra) & pids+=($!)
win=
for _ in $(seq 50); do
  win=$(xdotool search --name 'Lumetra2.0' 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break
  sleep 0.2
done
[ -n "$win" ] || { echo "$(basename "$0"): the console's window did not appear" >&2; exit 1; }
sleep 1
