#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Builds the Debian package from a build folder and checks it as an operator's machine sees it:
# lintian finds nothing wrong, the desktop entry, icons, man pages, copyright and translations
# are sound, the unpacked programs run, and the installed console, whoever runs it (root too),
# keeps its working state in the per-user folder and reads it back from there.
#   check-package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill -KILL "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  done
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Runs the test (a command string) every 0.1 s until it holds; fails after SECONDS seconds.
wait_for() {
  local seconds=$1 what=$2 test=$3
  for _ in $(seq $((seconds * 10))); do
    if eval "$test"; then return 0; fi
    sleep 0.1
  done
  fail "$what (waited ${seconds} s)"
}

echo "== building the package"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack did not build the package"; }
deb=$(find "$work/cpack" -maxdepth 1 -name '*.deb' -print -quit)
[ -n "$deb" ] || fail "cpack made no .deb"

echo "== lintian"
lintian_status=0
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || lintian_status=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings"
dpkg-deb -f "$deb" Depends | grep -q 'fonts-arphic-uming' || fail "the package does not depend on the caption fonts"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package's library dependencies were not computed"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"

root="$work/root"
dpkg-deb -x "$deb" "$root"
bin="$root/usr/bin" share="$root/usr/share"
mapfile -t programs < <(ls "$bin")
for program in lumetra lumetra-cli; do
  [[ " ${programs[*]} " == *" $program "* ]] || fail "the package lacks $program: ${programs[*]}"
done

echo "== programs and man pages: ${programs[*]}"
for program in "${programs[@]}"; do
  [ -x "$bin/$program" ] || fail "$program is not installed"
  printed=$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin/$program" --version)
  [ "$printed" = "$program $version" ] || fail "$program --version printed \"$printed\""
  page="$share/man/man1/$program.1.gz"
  [ -f "$page" ] || fail "$program has no man page"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man page of $program: $warnings"
  LC_ALL=C.UTF-8 man -l "$page" 2>/dev/null | grep -q "$version" || fail "man page of $program lacks the version"
done

echo "== lumetra-cli hands its graphical commands to the full program"
full="$root/usr/libexec/lumetra/lumetra-cli-full"
[ -x "$full" ] || fail "the package lacks $full"
layout=$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin/lumetra-cli" frame-layout --size 300x200) ||
  fail "lumetra-cli frame-layout did not run from the package"
grep -q '^skinned frame, window 300 x 200' <<<"$layout" || fail "lumetra-cli frame-layout printed \"$layout\""
needed=$(readelf -d "$bin/lumetra-cli")
! grep -q 'NEEDED.*libQt6\(Gui\|Widgets\)' <<<"$needed" || fail "lumetra-cli needs the graphical libraries"

echo "== the console loads its web pages only when asked for them"
[ -f "$root/usr/libexec/lumetra/lumetra-web.so" ] || fail "the package lacks the console's web pages"
needed=$(readelf -d "$bin/lumetra")
! grep -q 'NEEDED.*lib\(Qt6HttpServer\|Qt6WebSockets\|Qt6Network\|qrencode\)' <<<"$needed" ||
  fail "the console needs the web pages' libraries at every start"

echo "== desktop entry, icons, completion, documents"
desktop-file-validate "$share/applications/lumetra.desktop" || fail "desktop-file-validate"
grep -qx 'Icon=lumetra' "$share/applications/lumetra.desktop" || fail "the desktop entry names another icon"
for size in 16 22 24 32 48 64 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/lumetra.png"
  file -b "$icon" | grep -q "PNG image data, $size x $size," || fail "icon $icon is not a $size-pixel PNG"
done
grep -q '<svg' "$share/icons/hicolor/scalable/apps/lumetra.svg" || fail "no scalable icon"
completed=$(PATH="$bin:$PATH" bash -c 'source "$1"; COMP_WORDS=(lumetra-cli se); COMP_CWORD=1; _lumetra_cli
                                       echo "${COMPREPLY[*]}"; COMP_WORDS=(lumetra-cli send --dev); COMP_CWORD=2
                                       _lumetra_cli; echo "${COMPREPLY[*]}"' _ "$share/bash-completion/completions/lumetra-cli")
[ "$completed" = $'send\n--device' ] || fail "bash completion offered \"$completed\""
completed=$(PATH="$bin:$PATH" bash -c 'source "$1"; COMP_WORDS=(lumetra --web-n); COMP_CWORD=1; _lumetra
                                       echo "${COMPREPLY[*]}"' _ "$share/bash-completion/completions/lumetra")
[ "$completed" = "--web-new-key" ] || fail "the console's bash completion offered \"$completed\""
head -1 "$share/doc/lumetra/serial-port.md" | grep -qx '# The serial port' || fail "no serial-port page"
grep -q 'usermod -aG dialout' "$share/doc/lumetra/serial-port.md" || fail "the serial-port page does not say how to join dialout"
grep -qx 'License: GPL-3.0+' "$share/doc/lumetra/copyright" || fail "the copyright file names no GPL-3.0+"
[ -s "$share/lumetra/translations/lumetra-sign_zh_CN.qm" ] || fail "no Chinese translation of the sign"

if [[ " ${programs[*]} " == *" lumetra-sign "* ]]; then
  echo "== a send to the virtual sign"
  "$bin/lumetra-sign" --headless >"$work/sign.out" 2>"$work/sign.err" &
  pids+=($!)
  wait_for 20 "the sign names its device" '[ -s "$work/sign.out" ]'
  device=$(head -1 "$work/sign.out")
  "$bin/lumetra-cli" send "Hi" --device "$device" --mode 2 || fail "lumetra-cli send to the virtual sign"
  wait_for 20 "the sign reports the packet" '[ "$(wc -l <"$work/sign.out")" -ge 2 ]'
  sed -n 2p "$work/sign.out" | grep -q '"mode": *2' || fail "the sign decoded $(sed -n 2p "$work/sign.out")"
fi

echo "== the installed console keeps its working state in the per-user folder, whoever runs it"
home="$work/home" show="$work/show"
saved="$home/config/lumetra/lw1.ini"
mkdir -p "$(dirname "$saved")" "$show"
# The state to restore: port 3, the initial font, the caption "Hi" in mode 2 (GB18030), with LF
# line ends, which the console reads and writes back as CR LF; a stale state in the folder the
# console starts in, which the installed console must not prefer.
printf '3\n14\n255\n\xcb\xce\xcc\xe5\nHi\n0\n5\n2\n' >"$saved"
printf '3\r\n14\r\n255\r\n\xcb\xce\xcc\xe5\r\nHi\r\n0\r\n5\r\n2\r\n' >"$work/state"
printf '1\r\n14\r\n255\r\n\xcb\xce\xcc\xe5\r\nStale\r\n0\r\n5\r\n0\r\n' >"$show/lw1.ini"
# Run as it is (root in CI), the program's folder is writable: only the console's own choice keeps
# the state out of it.
# It serves its web pages too, from the module in the package's folder.
(cd "$show" && exec env HOME="$home" XDG_CONFIG_HOME="$home/config" \
   QT_QPA_PLATFORM=offscreen "$bin/lumetra" --web 127.0.0.1:0 2>"$work/console.err") &
console=$!
pids+=("$console")
# Until the console catches SIGTERM (bit 15 of SigCgt) the signal would end it unsaved.
catches_term() { local mask; mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$console/status" 2>/dev/null) &&
                 (( (0x$mask >> 14) & 1 )); }
# A loaded machine (a sanitized build beside other work) may take long to start a Qt program.
wait_for 120 "the console starts" catches_term
wait_for 60 "the console serves its web pages" 'grep -q "serving the web pages on" "$work/console.err"'
kill -TERM "$console"
wait_for 60 "the console ends on SIGTERM" '! kill -0 "$console" 2>/dev/null'
status=0
wait "$console" || status=$?
[ "$status" -eq 0 ] || { cat "$work/console.err" >&2; fail "the console ended with status $status"; }
[ ! -e "$bin/lw1.ini" ] || fail "lw1.ini was written into the program's folder"
[ -f "$saved" ] || { cat "$work/console.err" >&2; fail "no lw1.ini in the per-user folder"; }
cmp "$work/state" "$saved" || fail "the working state saved is not the one restored from the per-user folder"
echo "PASS"
