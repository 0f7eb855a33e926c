// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// How a picture-based control skin follows the control's size: its sizing scheme, derived from
// the entry's corner points, the size rule, the look drawn at a size and the window region cut
// from its mask. Plain data in, plain data out, so that the skinned controls and the preview
// tool compute the same thing.
#include <QRegion>
#include <optional>

#include "skin/controls/SkinDrawNinePart.h"

class TBitmap;
class TDataSkinCustomControl;

enum class TSizingScheme {
  ssNone = -1,          // no usable skin rectangle
  ssFixed = 0,          // the skin rectangle's own size
  ssNinePart = 1,       // grows both ways
  ssHorzThreePart = 2,  // grows in width only
  ssVertThreePart = 3,  // grows in height only
};

struct TSkinControlGeometry {
  TRect SkinRect;
  NinePartSkin Skin;   // the entry's corner points and client rectangle
  NinePartSkin Sized;  // the same at the control's current size (set by FitSizeToSkin)
  TEdgeStretch Stretch;
  bool StretchEffect = false;
  TSizingScheme Scheme = TSizingScheme::ssNone;
};

// −1 for an empty skin rectangle; else nine-part when RB.X and RB.Y are both non-zero, else
// horizontal three-part when RT is non-zero, else vertical three-part when LB is non-zero, else
// fixed.
TSizingScheme SizingSchemeOf(const TRect& skinRect, const NinePartSkin& skin);

TSkinControlGeometry SkinControlGeometry(const TDataSkinCustomControl& entry);

// The skin's size rule: a three-part skin keeps its skin rectangle's height (or width), a fixed
// one its whole size; sets the resized geometry for the resulting size.
void FitSizeToSkin(TSkinControlGeometry& geometry, int& width, int& height);

// Draws `rect` of the picture (the skin rectangle or another look of the same size) into the
// target by the sizing scheme at width × height (after FitSizeToSkin).
void PaintSkinRect(const TSkinControlGeometry& geometry, TBitmap& target, const TBitmap& picture, const TRect& rect,
                   int width, int height);

// The control's window region at width × height (after FitSizeToSkin) from its mask picture.
std::optional<QRegion> SkinControlRegion(const TSkinControlGeometry& geometry, const TBitmap& mask, int width,
                                         int height);
