// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes as an uncompressed skin package, loaded as the program loads its stored skin: the
// pictures are decoded, the INI text parsed into skin objects; bad bytes end in the reader's own
// error. The byte-for-byte reading that tools use walks the same layout.
#include "FuzzSupport.h"
#include "platform/Streams.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPackage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray package = FuzzInput(data, size);
  TSkinData skin;
  const bool loaded = LoadSkinPackage(package, skin);

  TMemoryStream stream(package);
  std::int32_t version = 0;
  SkinPackageImages images;
  bool read = false;
  try {
    read = ReadSkinPackageImages(stream, version, images);
  } catch (const Exception&) {
  }
  // What decodes also walks byte for byte (the other way round a picture may fail to decode).
  if (loaded) Require(read && images.ActivePictures.size() == skin.ActivePictures.size(), "both readings agree");
  return 0;
}
