// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/CompressedStoredSkin.h"

#include <QFileInfo>

#include "skin/data/CompressedSkinFile.h"
#include "skin/data/SkinFolder.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"

template <typename Load>
void TCompressedStoredSkin::SetSourceName(QString& name, const QString& path, Load load) {
  if (Loading() || !Designing()) {
    name = path;
    return;
  }
  // The name changes only once the file is taken, so a failed load leaves it naming the
  // package that is still there.
  if (load(path)) name = QFileInfo(path).fileName();
}

void TCompressedStoredSkin::SetFileName(const QString& path) {
  SetSourceName(fileName_, path, [this](const QString& file) { return LoadFromIniFile(file); });
}

void TCompressedStoredSkin::SetCompressedFileName(const QString& path) {
  SetSourceName(compressedFileName_, path, [this](const QString& file) {
    LoadFromCompressedFile(file);
    return true;
  });
}

void TCompressedStoredSkin::ReadPackageAhead() {
  readAhead_ = std::async(std::launch::async, ReadStoredPackage, compressedStream_.Memory());
}

StoredPackageRead TCompressedStoredSkin::ReadPackage() {
  if (readAhead_.valid()) {
    StoredPackageRead read = readAhead_.get();
    // The package may have been replaced since; the bytes tell.
    if (read.Compressed == compressedStream_.Memory()) return read;
  }
  return ReadStoredPackage(compressedStream_.Memory());
}

void TCompressedStoredSkin::DecompressToStream(TStream& destination) {
  DecompressStream(destination, compressedStream_, MaxSkinPackageBytes);
}

bool TCompressedStoredSkin::LoadFromIniFile(const QString& path) {
  const SkinFolder folder(path);
  if (!folder.HasSkinSections()) return false;
  compressedStream_.Clear();
  TMemoryStream package;
  folder.WritePackage(package);
  CompressStream(package, compressedStream_);
  compressedStream_.SetPosition(0);
  return true;
}

void TCompressedStoredSkin::LoadFromCompressedFile(const QString& path) {
  compressedStream_.Clear();
  if (const std::optional<QByteArray> compressed = ReadCompressedSkinFile(path)) compressedStream_.Assign(*compressed);
}

void TCompressedStoredSkin::ReadData(TStream& stream) {
  // Read into a stream of its own first, so that a failed read cannot leave half a package.
  TMemoryStream bytes;
  bytes.LoadFromStream(stream);
  compressedStream_.Assign(bytes.Memory());
}

void TCompressedStoredSkin::WriteData(TStream& stream) const { compressedStream_.SaveToStream(stream); }
