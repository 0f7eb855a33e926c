// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A skin folder: a skin INI file and the bitmaps it names in its section "PICTURES", all
// relative to the folder of the INI file.
#include <QByteArray>
#include <QString>
#include <vector>

#include "platform/IniFile.h"

class TStream;

class SkinFolder {
 public:
  // Reads the INI file; raises EFOpenError when it cannot be opened.
  explicit SkinFolder(const QString& iniFileName);

  // Only a file with all five skin sections describes a skin.
  bool HasSkinSections() const;
  // Loads the named bitmaps and writes the uncompressed package. Raises EFOpenError for a
  // bitmap that cannot be opened and EInvalidGraphic for one that is not a BMP picture.
  void WritePackage(TStream& destination) const;

 private:
  QByteArray LoadPicture(const QString& name) const;

  QString folder_;  // with its trailing separator, or empty for the current directory
  std::vector<QByteArray> lines_;
  TMemIniFile ini_;
};
