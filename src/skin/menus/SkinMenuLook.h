// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What a skinned popup is drawn with, taken from the skin when the popup is built: the frame of
// the skin's "POPUPWINDOW" section and the look of its first menu-item object, both copied, so
// an open popup never depends on the skin data staying as it is. A skin without a usable frame
// picture or menu-item picture gives the built-in look.
#include <QString>
#include <optional>

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Types.h"
#include "skin/controls/SkinDrawNinePart.h"
#include "skin/data/SkinIniValues.h"

class TSkinData;

// The popup frame: a nine-part picture whose client rectangle is the items area ("itemsrect").
struct TPopupFrameLook {
  TBitmap Picture;
  TBitmap Mask;  // empty: no window region
  NinePartSkin Geometry;
  TEdgeStretch Stretch;
  TColor ScrollMarkerColor = clBlack;
  TColor ScrollMarkerActiveColor = clBlack;
};

// The menu-item object's values; rectangles lie in Picture, "textrect" and "imagerect" are
// relative to an item.
struct TMenuItemLook {
  TBitmap Picture;
  TRect SkinRect{};
  TRect ActiveSkinRect{};
  bool Morphing = false;
  TMorphKind MorphKind = TMorphKind::mkDefault;
  int ItemLeftOffset = 0;
  int ItemRightOffset = 0;
  TRect DividerRect{};
  int DividerLeftOffset = 0;
  int DividerRightOffset = 0;
  TRect TextRect{};
  TRect ImageRect{};
  QString FontName;
  int FontHeight = 14;
  TFontStyles FontStyle;
  TColor FontColor = clBlack;
  TColor ActiveFontColor = clBlack;
  TColor UnEnabledFontColor = clBlack;
  bool StretchEffect = false;
  bool InActiveStretchEffect = false;
  bool DividerStretchEffect = false;
  TRect AnimateSkinRect{};
  int FrameCount = 0;
  int AnimateInterval = 25;
  bool InActiveAnimation = false;
  bool UseImageColor = false;
  TColor ImageColor = clBlack;
  TColor ActiveImageColor = clBlack;
};

// How the menu is set up by its owner.
struct TSkinMenuSettings {
  // 0: unlimited; else a popup shows at most this many items and scrolls the rest.
  int MaxMenuItemsInWindow = 0;
  // The item font comes from the menu-item object.
  bool UseSkinFont = true;
  // Item height and font of the built-in look (and the font when the skin's is not used).
  int DefMenuItemHeight = 20;
  TFont DefMenuItemFont = DefaultMenuItemFont();

  static TFont DefaultMenuItemFont();
};

struct TSkinMenuLook {
  // Both or neither: a popup is skinned as a whole.
  std::optional<TPopupFrameLook> Frame;
  std::optional<TMenuItemLook> Item;
  // The font items are measured and drawn in (colour aside).
  TFont Font;
  // The skin's effects run: skin data set, not empty, effects enabled.
  bool EffectsOn = false;

  bool Skinned() const { return Frame.has_value() && Item.has_value(); }
  bool MorphingOn() const { return Skinned() && EffectsOn && Item->Morphing; }
  bool AnimationOn() const { return Skinned() && EffectsOn && !Item->AnimateSkinRect.IsEmpty() && Item->FrameCount > 0; }
};

// The look for a skin (or none) with the owner's settings.
TSkinMenuLook SkinMenuLookOf(const TSkinData* skin, const TSkinMenuSettings& settings);
