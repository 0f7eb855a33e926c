// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A form component that keeps a whole skin as one zlib-compressed package, stored in the form
// description as the binary property "CompressedData". Skin data objects decompress and parse
// it; at design time it is filled from a skin folder or a compressed skin file.
#include <QByteArray>
#include <QString>
#include <future>

#include "platform/Component.h"
#include "platform/Streams.h"
#include "skin/data/StoredPackageRead.h"

class TCompressedStoredSkin : public TComponent {
 public:
  explicit TCompressedStoredSkin(TForm* owner = nullptr) : TComponent(owner) {}

  // Free text, not used by the program.
  QString Description;

  // Setting either name while the form description is read, or in the running program, only
  // stores it. In the designer the component loads the named file and keeps the bare file name.
  const QString& FileName() const { return fileName_; }
  void SetFileName(const QString& path);
  const QString& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(const QString& path);

  TMemoryStream& CompressedStream() { return compressedStream_; }
  bool IsEmpty() const { return compressedStream_.Memory().isEmpty(); }
  // Inflates the package onto `destination`; EDecompressionError for data that is no zlib
  // stream or that inflates to more than MaxSkinPackageBytes.
  void DecompressToStream(TStream& destination);

  // Builds the package from a skin INI file and its bitmaps, compressed at the highest level.
  // Returns false, keeping the old package, when the file lacks one of the skin sections.
  // A bitmap that cannot be loaded raises after the old package is gone.
  bool LoadFromIniFile(const QString& path);
  // Takes the compressed package from a compressed skin file. A newer file version, or a file
  // that cannot be read in full, leaves the component without a package.
  void LoadFromCompressedFile(const QString& path);

  // The binary form property "CompressedData": reading replaces the package with the whole
  // stream, writing emits the package whole (also when it is empty).
  static constexpr const char* CompressedDataProperty = "CompressedData";
  void ReadData(TStream& stream);
  void WriteData(TStream& stream) const;
  QByteArray CompressedData() const { return compressedStream_.Memory(); }
  void SetCompressedData(const QByteArray& bytes) { compressedStream_.Assign(bytes); }

  // Starts inflating and reading the package on a thread of its own, for a load that comes later
  // (the console starts it before it builds its controls).
  void ReadPackageAhead();
  // The package inflated and read: the one read ahead when it was read from the package held
  // now (waiting for it), else read here and now.
  StoredPackageRead ReadPackage();

 private:
  // Stores or loads a name by the designer rule; `load` returns whether the file was taken.
  template <typename Load>
  void SetSourceName(QString& name, const QString& path, Load load);

  QString fileName_;
  QString compressedFileName_;
  TMemoryStream compressedStream_;
  std::future<StoredPackageRead> readAhead_;
};
