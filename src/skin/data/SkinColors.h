// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Eight colours a skin may give for the parts drawn without skin pictures (section
// "SKINCOLORS"). Each defaults to a system colour; a new object holds 0 in all eight until
// SetDefaults or LoadFromIni.
#include <span>

#include "platform/Color.h"
#include "platform/IniFile.h"
#include "skin/data/SkinKeyTable.h"

class TSkinColors {
 public:
  static constexpr const char* kSection = "SKINCOLORS";

  void SetDefaults();
  // Reads the eight colours of section "SKINCOLORS"; a missing key gives its system colour.
  void LoadFromIni(const TMemIniFile& ini);
  static std::span<const TSkinKey<TSkinColors>> Keys();

  TColor CBtnFace{};
  TColor CBtnText{};
  TColor CWindow{};
  TColor CWindowText{};
  TColor CHighlight{};
  TColor CHighlightText{};
  TColor CBtnHighlight{};
  TColor CBtnShadow{};
};
