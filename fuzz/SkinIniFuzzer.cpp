// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes as the INI text of a skin, loaded by TSkinData with every object and control skin it
// names; every loaded entry writes itself back, as the skin tools do.
#include "FuzzSupport.h"
#include "platform/IniFile.h"
#include "platform/Streams.h"
#include "skin/data/SkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A package without pictures: version 3, three "no picture" flags, no active pictures.
  static const QByteArray bare("\3\0\0\0\1\1\1\0\0\0\0", 11);
  TSkinData skin;
  if (!LoadSkinPackage(bare + FuzzInput(data, size), skin)) return 0;
  TMemIniFile written;
  for (const auto& object : skin.SkinObjects) object->SaveToIni(written);
  for (const auto& control : skin.SkinControls) control->SaveToIni(written);
  return 0;
}
