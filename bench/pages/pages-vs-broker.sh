#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# The console's web pages against the broker a venue would otherwise run: Debian's Mosquitto with
# a WebSockets listener, serving the same crowd of pages (lumetra-page-crowd, a process of its
# own, each page from a loopback address of its own) the same captions, one a second.
#   1. 2,000 audience pages and 20 sends of a caption of 249 pages (scrolling in): whether every
#      page got every caption, the largest message a page got, the last page's median time.
#   2. For each count of PAGES (default 2000 5000 10000): the last page's median time from the
#      send (an OSC cue to the console, a publish to the broker), the server's CPU time per
#      message (for the console also its web thread's alone) and its memory per page, and the
#      console's ratio to the broker.
# The console runs under the soft open-file limit a desktop session gives (1,024), as launched
# from a menu, with a virtual sign (lumetra-sign --headless) on its port.
#   bench/pages/pages-vs-broker.sh [BUILD_DIR] [PAGES...]
set -euo pipefail
export LC_ALL=C
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
[ $# -eq 0 ] || shift
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(2000 5000 10000)
crowd="$build/bench/pages/lumetra-page-crowd"
console="$build/src/app/lumetra"
sign="$build/src/sign/lumetra-sign"
for program in "$crowd" "$console" "$sign"; do
  [ -x "$program" ] || { echo "pages-vs-broker: $program is not built (scripts/build.sh --with-tests)" >&2; exit 1; }
done
command -v mosquitto >/dev/null || {
  echo "pages-vs-broker: Mosquitto is missing; install it with: sudo apt-get install mosquitto" >&2
  exit 1
}
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# The crowd and the broker may hold every page's socket.
ulimit -n "$(ulimit -Hn)"

"$sign" --headless >"$work/sign.out" 2>"$work/sign.err" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/sign.out" ] && break; sleep 0.1; done
pty=$(head -1 "$work/sign.out")

web_port=18080
osc_port=19000
mkdir -p "$work/state" "$work/config" "$work/run"
chmod 700 "$work/run"
cat >"$work/mosquitto.conf" <<EOF
listener 18830 127.0.0.1
listener 18831 127.0.0.1
protocol websockets
allow_anonymous true
max_connections -1
log_dest none
EOF

# Both servers start afresh for each count, so that each one's memory per page is its own.
start_servers() {
  (
    ulimit -Sn 1024
    cd "$work"
    exec env QT_QPA_PLATFORM=offscreen XDG_STATE_HOME="$work/state" XDG_CONFIG_HOME="$work/config" \
      XDG_RUNTIME_DIR="$work/run" LUMETRA_COM1="$pty" "$console" --web "127.0.0.1:$web_port" --osc "$osc_port"
  ) 2>"$work/console.err" &
  console_pid=$!
  mosquitto -c "$work/mosquitto.conf" &
  broker_pid=$!
  pids+=("$console_pid" "$broker_pid")
  for _ in $(seq 100); do grep -q "serving the web pages" "$work/console.err" 2>/dev/null && break; sleep 0.1; done
  sleep 1
}
stop_servers() {
  kill "$console_pid" "$broker_pid"
  wait "$console_pid" "$broker_pid" 2>/dev/null || true
}

field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<" $2"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

# A caption of 249 pages in mode 1 (scrolling in from the right), in the console's default font.
long=$(printf '今晚的演出即将开始请关闭手机%.0s' $(seq 179))谢谢
echo "== 2000 audience pages, 20 sends of a 249-page caption"
start_servers
line=$("$crowd" --target console --port $web_port --send-port $osc_port --pages 2000 --messages 20 \
  --interval-ms 1000 --caption "$long" --mode 1 --pid "$console_pid" --send-log "$work/state/lumetra/sends.log")
echo "$line"
printf 'pages got every caption: %s of 20 captions; largest message %s bytes; last page median %s ms from the cue,\n' \
  "$(field complete "$line")" "$(field message_bytes "$line")" "$(field last_page_median_ms "$line")"
printf '  of which the send to the sign (249 pages drawn and written) %s ms and from its end to the last page %s ms\n' \
  "$(field send_median_ms "$line")" "$(field after_send_median_ms "$line")"
echo "(send log: $(wc -l <"$work/state/lumetra/sends.log") sends; sign: $(grep -c . "$work/sign.out") lines)"
stop_servers

echo
echo "== the console against Mosquitto, 20 captions a second apart"
printf '%-7s %-9s %14s %14s %16s %16s %12s\n' pages server "last median ms" "cpu ms/msg" "web thread ms/msg" "KiB/page" "complete"
for n in "${counts[@]}"; do
  start_servers
  c=$("$crowd" --target console --port $web_port --send-port $osc_port --pages "$n" --messages 20 --interval-ms 1000 \
    --pid "$console_pid")
  b=$("$crowd" --target broker --port 18831 --send-port 18830 --pages "$n" --messages 20 --interval-ms 1000 \
    --pid "$broker_pid")
  for row in "console:$c" "mosquitto:$b"; do
    name=${row%%:*}
    values=${row#*:}
    printf '%-7s %-9s %14s %14s %16s %16s %12s\n' "$n" "$name" "$(field last_page_median_ms "$values")" \
      "$(field cpu_ms_per_message "$values")" "$(field web_thread_cpu_ms_per_message "$values")" \
      "$(field kib_per_page "$values")" "$(field complete "$values")/20"
  done
  printf '%-7s %-9s %14s %14s %16s %16s\n' "$n" ratio \
    "$(ratio "$(field last_page_median_ms "$c")" "$(field last_page_median_ms "$b")")" \
    "$(ratio "$(field cpu_ms_per_message "$c")" "$(field cpu_ms_per_message "$b")")" \
    "$(ratio "$(field web_thread_cpu_ms_per_message "$c")" "$(field cpu_ms_per_message "$b")")" \
    "$(ratio "$(field kib_per_page "$c")" "$(field kib_per_page "$b")")"
  stop_servers
done
