#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Fails when a source file includes a header from a layer above its own. The layers, lowest
# first: platform, skin/data, skin/controls, skin/menus, skin/form, console, remote, and the
# programs (app, cli, sign) on top. The console reaches the skin only through the four components it
# places on its window.
set -u
src=${1:?usage: check-layers.sh SRC_DIR}
layers=(platform skin/data skin/controls skin/menus skin/form console remote)
console_may_include='skin/data/StoredSkinData.h|skin/data/CompressedStoredSkin.h|skin/data/SkinData.h|skin/controls/SkinButton.h|skin/form/SkinForm.h'

rank_of() {
  local path=$1 i
  for i in "${!layers[@]}"; do
    case "$path" in "${layers[$i]}"/*) echo "$i"; return ;; esac
  done
  echo ${#layers[@]}  # app, cli, sign
}

faults=0
# One grep for the whole tree: "file:#include "path"" per line.
while IFS= read -r hit; do
  file=${hit%%:*}
  rel=${file#"$src"/}
  included=${hit#*\"}
  included=${included%%\"*}
  [ -f "$src/$included" ] || continue  # a header of the same folder or outside src
  own=$(rank_of "$rel")
  target=$(rank_of "$included")
  if [ "$target" -gt "$own" ]; then
    echo "$rel includes $included, a layer above it"
    faults=$((faults + 1))
  elif [ "${rel%%/*}" = console ] && [[ "$included" == skin/* ]] && ! [[ "$included" =~ ^($console_may_include)$ ]]; then
    echo "$rel includes $included; the console reaches the skin only through its four components"
    faults=$((faults + 1))
  fi
done < <(grep -rE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$src" | sort)

[ "$faults" -eq 0 ] && echo "layers: every include points down"
[ "$faults" -eq 0 ]
