// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/CompressedSkinFile.h"

#include "platform/Streams.h"
#include "skin/data/SkinPackage.h"

std::optional<QByteArray> ReadCompressedSkinFile(const QString& fileName) {
  TFileStream file(fileName, fmOpenRead);
  return ReadCompressedSkin(file);
}

std::optional<QByteArray> ReadCompressedSkin(TStream& file) {
  if (file.ReadInt32() > SkinPackageVersion) return std::nullopt;
  const std::int32_t count = file.ReadInt32();
  if (count < 0) throw EReadError();
  // A count of 0 would otherwise mean "the whole file" to CopyFrom.
  TMemoryStream compressed;
  if (count > 0) compressed.CopyFrom(file, count);
  return compressed.Memory();
}
