#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Fails when a source file includes a header of a layer it does not stand on. The layers, lowest
# first: platform; the skin (data <- controls <- menus <- form); the show's data and files (show)
# <- what goes to the sign (wire) <- the show's safety nets (keeping); the window (console), which
# reaches the skin only through the four components it places on its window; the remote inputs
# (remote); and the programs on top: the console program (app) on everything, lumetra-cli on the
# show, the wire, the safety nets and the skin, the virtual sign on the show and the wire alone.
set -u
src=${1:?usage: check-layers.sh SRC_DIR}
declare -A stands_on=(
  [platform]=""
  [skin/data]="platform"
  [skin/controls]="platform skin/data"
  [skin/menus]="platform skin/data skin/controls"
  [skin/form]="platform skin/data skin/controls skin/menus"
  [show]="platform"
  [wire]="platform show"
  [keeping]="platform show wire"
  [console]="platform show wire keeping skin"
  [remote]="platform show wire keeping console"
  [cli]="platform show wire keeping skin"
  [sign]="platform show wire"
  [app]="platform show wire keeping console remote skin"
)
console_may_include='skin/data/StoredSkinData.h|skin/data/CompressedStoredSkin.h|skin/data/SkinData.h|skin/controls/SkinButton.h|skin/form/SkinForm.h'

layer_of() {
  case "$1" in
    skin/*) local rest=${1#skin/}; echo "skin/${rest%%/*}" ;;
    *) echo "${1%%/*}" ;;
  esac
}

# Whether a file of layer $1 may include a header of layer $2.
may_include() {
  local own=$1 target=$2 below
  [ "$own" = "$target" ] && return 0
  for below in ${stands_on[$own]-}; do
    if [ "$below" = "$target" ] || { [ "$below" = skin ] && [[ "$target" == skin/* ]]; }; then return 0; fi
  done
  return 1
}

faults=0
# One grep for the whole tree: "file:#include "path"" per line.
while IFS= read -r hit; do
  file=${hit%%:*}
  rel=${file#"$src"/}
  included=${hit#*\"}
  included=${included%%\"*}
  [ -f "$src/$included" ] || continue  # a header of the same folder or outside src
  own=$(layer_of "$rel")
  target=$(layer_of "$included")
  if [ -z "${stands_on[$own]+known}" ]; then
    echo "$rel is in no known layer; name its folder in check-layers.sh"
    faults=$((faults + 1))
  elif ! may_include "$own" "$target"; then
    echo "$rel includes $included: $own does not stand on $target"
    faults=$((faults + 1))
  elif [ "$own" = console ] && [[ "$included" == skin/* ]] && ! [[ "$included" =~ ^($console_may_include)$ ]]; then
    echo "$rel includes $included; the console reaches the skin only through its four components"
    faults=$((faults + 1))
  fi
done < <(grep -rE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$src" | sort)

if [ "$faults" -eq 0 ]; then
  echo "layers: every include points down"
else
  echo "layers: $faults includes against the layers"
fi
[ "$faults" -eq 0 ]
