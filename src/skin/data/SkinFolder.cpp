// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinFolder.h"

#include "platform/Streams.h"
#include "skin/data/AnsiTextLines.h"
#include "skin/data/BmpImage.h"
#include "skin/data/SkinPackage.h"

namespace {

const QString Pictures = QStringLiteral("PICTURES");

QString FolderOf(const QString& fileName) { return fileName.left(fileName.lastIndexOf(QLatin1Char('/')) + 1); }

}  // namespace

SkinFolder::SkinFolder(const QString& iniFileName) : folder_(FolderOf(iniFileName)) {
  TMemoryStream text;
  text.LoadFromFile(iniFileName);
  lines_ = SplitTextLines(text.Memory());
  ini_.SetStrings(DecodeAnsiLines(lines_));
}

bool SkinFolder::HasSkinSections() const {
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
    if (!ini_.SectionExists(QLatin1String(section))) return false;
  return true;
}

QByteArray SkinFolder::LoadPicture(const QString& name) const { return LoadBmpFile(folder_ + name); }

void SkinFolder::WritePackage(TStream& destination) const {
  SkinPackageImages package;
  // An empty name means the skin has no such picture.
  auto optionalPicture = [this](const char* key) {
    const QString name = ini_.ReadString(Pictures, QLatin1String(key), QString());
    return name.isEmpty() ? QByteArray() : LoadPicture(name);
  };
  package.Picture = optionalPicture("picture");
  package.InActivePicture = optionalPicture("inactivepicture");
  package.MaskPicture = optionalPicture("mask");
  const int count = ini_.ReadInteger(Pictures, QStringLiteral("activepicturescount"), 0);
  for (int i = 0; i < count; ++i)
    package.ActivePictures.push_back(LoadPicture(ini_.ReadString(Pictures, QString::number(i), QString())));
  // The text goes in as the file has it, byte for byte, only with CR LF line ends.
  package.IniLines = lines_;
  WriteSkinPackage(destination, package);
}
