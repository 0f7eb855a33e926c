// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/menus/SkinMenuHost.h"

#include <unordered_map>

namespace {
std::unordered_map<const TForm*, TSkinMenuHost*>& Hosts() {
  static std::unordered_map<const TForm*, TSkinMenuHost*> hosts;
  return hosts;
}
}  // namespace

void RegisterSkinMenuHost(const TForm* form, TSkinMenuHost* host) {
  if (!form) return;
  if (host) Hosts()[form] = host;
  else Hosts().erase(form);
}

TSkinMenuHost* SkinMenuHostOf(const TForm* form) {
  const auto found = Hosts().find(form);
  return found == Hosts().end() ? nullptr : found->second;
}
