#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Fails when a source file or script of the tree does not say under which licence it is: each
# opens (after its "#!" line, if any) with the SPDX line GPL-3.0-or-later, and Debian's
# licensecheck, as the archive's tools read it, finds the GPL version 3 or later in it.
#   check-licence.sh ROOT
set -u
root=${1:?usage: check-licence.sh ROOT}
command -v licensecheck >/dev/null || { echo "licensecheck is missing (scripts/setup.sh --test installs it)" >&2; exit 1; }

# Our sources and scripts; build folders and the test runs' output are not ours to mark.
mapfile -d '' files < <(find "$root" \( -name .git -o -path "$root/build*" -o -path "$root/Testing" \) -prune -o \
                          -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' -o -name '*.cmake' \
                                     -o -name CMakeLists.txt -o -path "$root/.ci/*" -o -path "$root/resources/completion/*" \) \
                          -print0 | sort -z)
[ ${#files[@]} -gt 0 ] || { echo "no source files under $root" >&2; exit 1; }

faults=0
for file in "${files[@]}"; do
  first=$(head -n 2 "$file")
  [[ $first == '#!'* ]] && first=${first#*$'\n'} || first=${first%%$'\n'*}
  if [[ $first != @('// '|'# ')'SPDX-License-Identifier: GPL-3.0-or-later' ]]; then
    echo "${file#"$root"/}: does not open with the SPDX line GPL-3.0-or-later"
    faults=$((faults + 1))
  fi
done
while IFS=$'\t' read -r file licence; do
  if [ "$licence" != GPL-3.0-or-later ]; then
    echo "${file#"$root"/}: licensecheck finds \"$licence\", not GPL-3.0-or-later"
    faults=$((faults + 1))
  fi
done < <(licensecheck --machine --shortname-scheme=spdx --check='.*' "${files[@]}")
echo "${#files[@]} files, $faults faults"
[ "$faults" -eq 0 ]
