// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "platform/Streams.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/StoredSkinData.h"

// The build packs resources/skin into the program; a skin that cannot be packed builds as an
// empty stored skin with only a warning, so this is where a broken or stale skin shows.
TEST(StoredSkinData, TheProgramCarriesItsSkinFolderPackedAsTheDesignerWould) {
  const QString ini = QStringLiteral(LUMETRA_SOURCE_DIR "/resources/skin/skin.ini");
  ASSERT_TRUE(QFileInfo::exists(ini)) << "the program's skin folder is missing";
  TCompressedStoredSkin fresh;
  ASSERT_TRUE(fresh.LoadFromIniFile(ini)) << "the skin INI lacks a skin section";
  EXPECT_FALSE(StoredSkinCompressedData().isEmpty());
  EXPECT_EQ(StoredSkinCompressedData(), fresh.CompressedData()) << "rebuild: the packed skin is stale";

  TCompressedStoredSkin stored;
  stored.SetCompressedData(StoredSkinCompressedData());
  TMemoryStream stream;
  stored.DecompressToStream(stream);
  stream.SetPosition(0);
  SkinPackage package;
  ASSERT_TRUE(ReadSkinPackage(stream, package));
  EXPECT_FALSE(package.Picture.isNull());
  EXPECT_FALSE(package.IniLines.isEmpty());
}
