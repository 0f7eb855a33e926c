// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/StoredPackageRead.h"

#include "platform/Streams.h"
#include "skin/data/ZlibStreams.h"

namespace {

// A conversion the skin's bitmaps would make on assignment, done here instead.
void ToSkinFormat(QImage& image) {
  if (!image.isNull()) image = image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

StoredPackageRead ReadStoredPackage(const QByteArray& compressed) {
  StoredPackageRead read;
  read.Compressed = compressed;
  TMemoryStream package;
  try {
    TMemoryStream source(compressed);
    DecompressStream(package, source, MaxSkinPackageBytes);
  } catch (...) {
    read.InflateFailure = std::current_exception();
    return read;
  }
  package.SetPosition(0);
  try {
    read.Current = ReadSkinPackage(package, read.Package);
  } catch (...) {
    read.ReadFailure = std::current_exception();
  }
  if (read.Current && !read.ReadFailure) read.Ini.SetStrings(read.Package.IniLines);
  for (QImage* image : {&read.Package.Picture, &read.Package.InActivePicture, &read.Package.MaskPicture})
    ToSkinFormat(*image);
  for (QImage& image : read.Package.ActivePictures) ToSkinFormat(image);
  return read;
}
