// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Skins for the skinned control tests: the program's own stored skin, and small skin folders
// written into the test's working folder and packed the way the program's skin is.
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "SkinPictures.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinData.h"

// The "button" entry of the program's skin.
inline constexpr TRect kButtonSkinRect{0, 0, 24, 21};
inline constexpr TRect kButtonActiveRect{48, 0, 72, 21};
inline constexpr TRect kButtonDownRect{24, 0, 48, 21};
inline constexpr TRect kButtonDisabledRect{33, 62, 57, 83};
inline constexpr int kButtonPictureIndex = 4;

inline void LoadStoredSkin(TCompressedStoredSkin& stored, TSkinData& skin) {
  stored.SetCompressedData(StoredSkinCompressedData());
  skin.SetCompressedStoredSkin(&stored);
  ASSERT_FALSE(skin.Empty());
}

// A skin folder whose only control skin is `entry` (an INI section body for "button" of the
// given kind). Picture 0 is a 72 × 42 coded picture (tag 3); picture 1, when `mask` is given,
// its mask.
inline void WriteButtonSkin(const QString& entry, const QImage& mask = {}, const QString& kind = "button") {
  ASSERT_TRUE(CodedPicture(72, 42, 3).Image().save("controls.bmp", "BMP"));
  ASSERT_TRUE(CodedPicture(20, 20).Image().save("main.bmp", "BMP"));
  const bool withMask = !mask.isNull();
  if (withMask) {
    ASSERT_TRUE(mask.save("mask.bmp", "BMP"));
  }
  QFile ini("skin.ini");
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
  const QString text = QStringLiteral(
                           "[VERSION]\nskinname=button test\n[PICTURES]\npicture=main.bmp\nmask=\n"
                           "activepicturescount=%1\n0=controls.bmp\n%2[FORMINFO]\n[SKINOBJECTS]\ncount=0\n"
                           "[SKINCONTROLS]\ncount=1\n0=button:%3\n[button]\npictureindex=0\n%4\n")
                           .arg(withMask ? 2 : 1)
                           .arg(withMask ? QStringLiteral("1=mask.bmp\n") : QString())
                           .arg(kind, entry);
  ini.write(text.toLatin1());
}

inline void LoadFolderSkin(TCompressedStoredSkin& stored, TSkinData& skin) {
  ASSERT_TRUE(stored.LoadFromIniFile("skin.ini"));
  skin.SetCompressedStoredSkin(&stored);
  ASSERT_FALSE(skin.Empty());
}
