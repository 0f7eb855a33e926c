// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes as a compressed skin file: a newer version is ignored, a short file fails with a
// stream read error, and the package it carries loads as a stored skin does.
#include "FuzzSupport.h"
#include "platform/Streams.h"
#include "skin/data/CompressedSkinFile.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TMemoryStream file(FuzzInput(data, size));
  std::optional<QByteArray> compressed;
  try {
    compressed = ReadCompressedSkin(file);
  } catch (const EReadError&) {
    return 0;
  }
  if (!compressed) return 0;
  Require(compressed->size() + 8 <= qsizetype(size), "the package comes from the file");
  TCompressedStoredSkin stored;
  stored.SetCompressedData(*compressed);
  TSkinData skin;
  try {
    skin.LoadFromCompressedStoredSkin(stored);
  } catch (const Exception&) {
  }
  return 0;
}
