// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The window-level skin parts that the skin data holds as fixed members: the frame of a skinned
// popup menu and the frame of a skinned hint window. Each is cut from one active picture by the
// nine-part scheme (corner points and edge stretching); they are read from a fixed section and
// never written.
#include <QString>
#include <span>

#include "platform/IniFile.h"
#include "skin/data/SkinKeyTable.h"

class TDataSkinPopupWindow {
 public:
  void LoadFromIni(const TMemIniFile& ini, const QString& section);
  static std::span<const TSkinKey<TDataSkinPopupWindow>> Keys();

  // Picture (in the skin's active pictures) of the popup frame, -1 none, and its mask.
  int WindowPictureIndex = -1;
  int MaskPictureIndex = -1;
  TPoint LeftTopPoint{};
  TPoint RightTopPoint{};
  TPoint LeftBottomPoint{};
  TPoint RightBottomPoint{};
  // Area of the menu items.
  TRect ItemsRect{};
  // The scroll arrows of a long menu.
  TColor ScrollMarkerColor{};
  TColor ScrollMarkerActiveColor{};
  bool LeftStretch{};
  bool RightStretch{};
  bool TopStretch{};
  bool BottomStretch{};
};

class TDataSkinHintWindow {
 public:
  void LoadFromIni(const TMemIniFile& ini, const QString& section);
  static std::span<const TSkinKey<TDataSkinHintWindow>> Keys();

  // Picture (in the skin's active pictures) of the hint frame, -1 none, and its mask.
  int WindowPictureIndex = -1;
  int MaskPictureIndex = -1;
  TPoint LeftTopPoint{};
  TPoint RightTopPoint{};
  TPoint LeftBottomPoint{};
  TPoint RightBottomPoint{};
  // Where the hint text goes.
  TRect ClientRect{};
  QString FontName;
  int FontHeight{};
  TFontStyles FontStyle{};
  TColor FontColor{};
  bool LeftStretch{};
  bool RightStretch{};
  bool TopStretch{};
  bool BottomStretch{};
};
