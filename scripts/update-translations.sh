#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Brings the kept translations of lumetra-sign (resources/translations/lumetra-sign_*.ts) up to
# date with the texts in the code: new texts arrive unfinished, for a translator to fill in (with
# Qt Linguist or by hand); texts gone from the code are dropped. The build makes the catalogues.
#   update-translations.sh [LANGUAGE...]   (default: every kept translation; zh_CN starts one)
#   update-translations.sh --check         (changes nothing; fails unless every kept translation
#                                           is up to date and finished)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
check=false
if [ "${1:-}" = "--check" ]; then
  check=true
  shift
else
  "$root/scripts/setup.sh"
fi
lupdate="$(qtpaths6 --query QT_HOST_BINS)/lupdate"
# The sign's window and the fault texts of the packet decoder that it shows.
sources=("$root/src/sign" "$root/src/wire/DisplayPacketDecoder.cpp")
folder="$root/resources/translations"
if [ $# -gt 0 ]; then
  translations=()
  for language in "$@"; do translations+=("$folder/lumetra-sign_$language.ts"); done
else
  shopt -s nullglob
  translations=("$folder"/lumetra-sign_*.ts)
  [ ${#translations[@]} -gt 0 ] || translations=("$folder/lumetra-sign_zh_CN.ts")
fi

update() { "$lupdate" -silent -no-obsolete -locations none -I "$root/src" "${sources[@]}" -ts "$@"; }

if ! $check; then
  update "${translations[@]}"
  for translation in "${translations[@]}"; do
    echo "$translation: $(grep -c 'type="unfinished"' "$translation" || true) unfinished"
  done
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
faults=0
for translation in "${translations[@]}"; do
  copy="$work/$(basename "$translation")"
  cp "$translation" "$copy"
  update "$copy"
  if ! cmp -s "$translation" "$copy"; then
    echo "${translation#"$root"/} is behind the code (run scripts/update-translations.sh):"
    diff "$translation" "$copy" || true
    faults=$((faults + 1))
  elif grep -q 'type="unfinished"' "$translation"; then
    echo "${translation#"$root"/} has unfinished translations"
    faults=$((faults + 1))
  fi
done
echo "${#translations[@]} translations, $faults faults"
[ "$faults" -eq 0 ]
