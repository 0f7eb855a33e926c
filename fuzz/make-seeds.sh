#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Writes the committed seed corpora under fuzz/corpus/ and the skin INI dictionary afresh, with
# the project's own tools from build-sanitize/ (or $LUMETRA_BUILD_DIR): shows saved by
# lumetra-cli, packets from lumetra-cli packet, the stored skin and small packages from
# fuzz-seeds. Run it after a change of a format, then commit what changed. Reproducers of faults
# found by fuzzing are kept in the corpus as found-*.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${LUMETRA_BUILD_DIR:-$root/build-sanitize}
LUMETRA_BUILD_DIR=$build "$root/scripts/build.sh" --sanitize --target lumetra-cli lumetra-cli-full fuzz-seeds >/dev/null
cli() { ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen "$build/src/cli/lumetra-cli" "$@" >/dev/null; }
corpus=$here/corpus
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Inputs that once broke a reader (found-*) stay; every other seed is written anew.
find "$corpus" -type f ! -name 'found-*' -delete 2>/dev/null || true
mkdir -p "$corpus"/{settings-file,working-state,text-import,skin-ini}

# Shows: converted from texts and from hand-written settings, so that they are saved exactly as
# the console saves them.
printf 'A\n' >"$scratch/one.txt"
printf '第一幕\r\n开场白：欢迎光临\r\n\r\nThe end\r\n' >"$scratch/chinese.txt"
printf '3\r\n12\r\n-16777201\r\nArial\r\nfirst\r\n7\r\n-2\r\n1\r\n\r\n0\r\n5\r\n19\r\n' >"$scratch/settings.lw"
printf '255\r\n14\r\n255\r\n宋体\r\n' >"$scratch/empty.lw"
for i in $(seq 0 1002); do echo "line $i"; done >"$scratch/long.txt"
for show in one chinese long; do cli convert "$scratch/$show.txt" "$corpus/settings-file/$show.lw"; done
for show in settings empty; do cli convert "$scratch/$show.lw" "$corpus/settings-file/$show-saved.lw"; done
cp "$corpus"/settings-file/{one,chinese,settings-saved}.lw "$corpus/working-state/"

# Texts to import: the encodings and line ends editors write, and a subtitle file.
printf '第一幕\n开场白\r\nlast line without end' >"$corpus/text-import/utf8.txt"
printf '\xEF\xBB\xBFmarked\r\nUTF-8\r' >"$corpus/text-import/utf8-mark.txt"
printf '第一幕\r\n开场白\r\n' | iconv -f UTF-8 -t GB18030 >"$corpus/text-import/gb18030.txt"
printf '\xFF\xFE' >"$corpus/text-import/utf16le.txt"
printf '第一幕\r\nline\n' | iconv -f UTF-8 -t UTF-16LE >>"$corpus/text-import/utf16le.txt"
printf '\xFE\xFF' >"$corpus/text-import/utf16be.txt"
printf 'line\r第一幕\n' | iconv -f UTF-8 -t UTF-16BE >>"$corpus/text-import/utf16be.txt"
printf '1\r\n00:00:01,000 --> 00:00:04,000\r\n<i>Who goes there?</i>\r\n\r\n2\r\n00:00:05.5 --> 00:00:07,250 X1:0\r\n{\\an8}第一幕\r\n<font color="red">A</font> < B\r\n3\r\n0:01:02,003 --> 0:01:04,000\r\nno blank line before\r\n' \
  >"$corpus/text-import/cues.srt"
cp "$corpus/settings-file/chinese.lw" "$corpus/text-import/"

# Packets: one page, several pages, and a stream with two packets behind some noise.
if [ -f "$root/src/wire/DisplayPacketDecoder.h" ]; then
  mkdir -p "$corpus/display-packet"
  cli packet "" --mode 0 -o "$corpus/display-packet/empty-mode0.bin"
  cli packet "第一幕 The long opening line of the show, in several pages" --mode 1 -o "$corpus/display-packet/pages-mode1.bin"
  cli packet "A" --mode 19 -o "$scratch/a.bin"
  { printf 'noise\x01\x55'; cat "$scratch/a.bin" "$corpus/display-packet/empty-mode0.bin"; } >"$corpus/display-packet/stream.bin"
fi

# OSC cues: each command once, as a cue system sends it, behind the byte that gives the harness
# its number of lines (3).
mkdir -p "$corpus/osc-dispatch"
osc() { printf '\x03'"$2" >"$corpus/osc-dispatch/$1.bin"; }
osc go '/lumetra/go\0,\0\0\0'
osc goto-int '/lumetra/goto\0\0\0,i\0\0\0\0\0\x02'
osc goto-float '/lumetra/goto\0\0\0,f\0\0\x40\x20\0\0'
osc next '/lumetra/next\0\0\0,\0\0\0'
osc prev '/lumetra/prev\0\0\0,\0\0\0'
osc send '/lumetra/send\0\0\0,i\0\0\0\0\0\x01'
osc blank '/lumetra/blank\0\0,\0\0\0'
osc text '/lumetra/text\0\0\0,s\0\0\xe8\xb0\xa2\xe8\xb0\xa2\0\0'
osc text-mode '/lumetra/text\0\0\0,si\0\xe8\xb0\xa2\0\0\0\0\x01'
osc unknown '/lumetra/stop\0\0\0,\0\0\0'
osc state '/lumetra/state\0\0,\0\0\0'

# MIDI streams: each show control command the console takes, the go note with running status, a
# clock byte inside a message, and one cut short; behind the byte that gives the harness its number
# of lines (3) and its cut.
mkdir -p "$corpus/midi-stream"
midi() { printf '\x43'"$2" >"$corpus/midi-stream/$1.bin"; }
midi go-cue '\xf0\x7f\x01\x02\x01\x01\x33\x00\x31\xf7'
midi go '\xf0\x7f\x7f\x02\x10\x01\xf7'
midi load '\xf0\x7f\x70\x02\x01\x05\x32\xf7'
midi reset-all-off '\xf0\x7f\x01\x02\x7f\x0a\xf7\xf0\x7f\x01\x02\x01\x08\xf7'
midi go-note '\x90\x3c\x00\x3c\x7f\xc1\x05'
midi clock-inside '\xf0\x7f\x01\xf8\x02\x01\x01\x31\x2e\x35\xf7'
midi cut-short '\xf0\x7f\x01\x02\x01\x01\x33\x90\x3c\x7f\xf3\x01\x3c'

# Web page controls: each command with the harness's key, one without a key, and one to a
# console that offers no control (the first byte's low bit).
mkdir -p "$corpus/web-control"
web() { printf '%s' "$2" >"$corpus/web-control/$1.json"; }
key=0123456789abcdef0123456789abcdef
for command in go back blank; do web "$command" $'\x01'"{\"type\":\"$command\",\"key\":\"$key\"}"; done
web no-key $'\x01''{"type":"go"}'
web control-off $'\x02'"{\"type\":\"go\",\"key\":\"$key\"}"

# Requests to the web pages' server (after a first byte that splits the frames): a page, the
# socket's upgrade with a page's masked "go" behind it, a ping and a close, and a refused POST.
mkdir -p "$corpus/web-request"
request() { printf "$2" >"$corpus/web-request/$1.bin"; }
request page '\x10GET /stage HTTP/1.1\r\nHost: 127.0.0.1:8080\r\nConnection: keep-alive\r\n\r\n'
request upgrade '\x01GET /live?view=caption HTTP/1.1\r\nHost: sign.local\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\nOrigin: http://sign.local\r\n\r\n\x81\x8e\x01\x02\x03\x04\x7a\x20\x77\x7d\x71\x67\x39\x26\x66\x6d\x21\x3e\x73\x7f\x89\x80\x01\x02\x03\x04\x88\x82\x01\x02\x03\x04\x02\xea'
request post '\x00POST / HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 314572800\r\n\r\nbody'

# Skins: the skin folder's own INI text, a small one, and the binary seeds.
cp "$root/resources/skin/skin.ini" "$corpus/skin-ini/"
printf '[SKINOBJECTS]\r\ncount=2\r\n0=caption:caption\r\n1=x:stdbutton\r\n[caption]\r\nskinrect=1,2,3,4\r\n[x]\r\ncommand=cmrollup\r\n' \
  >"$corpus/skin-ini/small.ini"
ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/fuzz-seeds" "$corpus"

# The skin INI dictionary: section names, every key the data classes read, the entry keywords
# and the words of the value kinds.
{
  echo '# Generated by make-seeds.sh from the key tables of src/skin/data.'
  for word in VERSION PICTURES FORMINFO POPUPWINDOW HINTWINDOW SKINCOLORS SKINOBJECTS SKINCONTROLS; do
    echo "\"[$word]\""
  done
  grep -ohE 'Key\("[a-z0-9]+"' "$root"/src/skin/data/*.cpp "$root"/src/skin/data/*.h | sed 's/Key(//' | sort -u
  grep -ohE 'Kind<[A-Za-z, ]+>\("[a-z]+"' "$root/src/skin/data/SkinEntryKinds.cpp" | sed 's/.*(//' | sed 's/"\(.*\)"/":\1"/'
  for word in count activepicturescount skinrect tacenter taleftjustify tarightjustify iebrightness iedarkness \
              iegrayscale ienoise iesplitblur ieinvert mkdefault mkgradient mkleftgradient mkrightgradient \
              mkleftslide mkrightslide mkpush cmclose cmmaximize cmminimize cmsysmenu cmdefault cmrollup \
              cmminimizetotray fsbold fsitalic fsunderline fsstrikeout '$FF00000F' 0x7FFFFFFF 2147483647; do
    echo "\"$word\""
  done
  printf '"="\n","\n";"\n"\\x0d\\x0a"\n'
} >"$here/dict/skin-ini.dict"
echo "seeds: $(find "$corpus" -type f | wc -l) files, $(du -sh "$corpus" | cut -f1)"
