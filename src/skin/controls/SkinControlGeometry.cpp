// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinControlGeometry.h"

#include "platform/Bitmap.h"
#include "skin/controls/SkinDrawThreePart.h"
#include "skin/controls/SkinRegion.h"
#include "skin/data/SkinControls.h"

TSizingScheme SizingSchemeOf(const TRect& skinRect, const NinePartSkin& skin) {
  if (skinRect.IsEmpty()) return TSizingScheme::ssNone;
  if (skin.RB.X != 0 && skin.RB.Y != 0) return TSizingScheme::ssNinePart;
  if (skin.RT.X != 0 || skin.RT.Y != 0) return TSizingScheme::ssHorzThreePart;
  if (skin.LB.X != 0 || skin.LB.Y != 0) return TSizingScheme::ssVertThreePart;
  return TSizingScheme::ssFixed;
}

TSkinControlGeometry SkinControlGeometry(const TDataSkinCustomControl& entry) {
  TSkinControlGeometry g;
  g.SkinRect = entry.SkinRect;
  g.Skin = {entry.LeftTopPoint, entry.RightTopPoint, entry.LeftBottomPoint, entry.RightBottomPoint, entry.ClientRect};
  g.Sized = g.Skin;
  g.Stretch = {entry.LeftStretch, entry.TopStretch, entry.RightStretch, entry.BottomStretch};
  g.StretchEffect = entry.StretchEffect;
  g.Scheme = SizingSchemeOf(g.SkinRect, g.Skin);
  return g;
}

void FitSizeToSkin(TSkinControlGeometry& g, int& width, int& height) {
  const NinePartSkin& s = g.Skin;
  NinePartSkin& n = g.Sized;
  switch (g.Scheme) {
    case TSizingScheme::ssNinePart:
      n = ResizeLayout(s, g.SkinRect.Width(), g.SkinRect.Height(), width, height);
      break;
    case TSizingScheme::ssHorzThreePart: {
      height = g.SkinRect.Height();
      const int dW = width - g.SkinRect.Width();
      n.LT = s.LT;
      n.RT = {s.RT.X + dW, s.RT.Y};
      n.CR = {s.CR.Left, s.CR.Top, s.CR.Right + dW, s.CR.Bottom};
      break;
    }
    case TSizingScheme::ssVertThreePart: {
      width = g.SkinRect.Width();
      const int dH = height - g.SkinRect.Height();
      n.LT = s.LT;
      n.LB = {s.LB.X, s.LB.Y + dH};
      n.CR = {s.CR.Left, s.CR.Top, s.CR.Right, s.CR.Bottom + dH};
      break;
    }
    case TSizingScheme::ssFixed:
      width = g.SkinRect.Width();
      height = g.SkinRect.Height();
      n.CR = s.CR;
      break;
    case TSizingScheme::ssNone:
      break;
  }
}

void PaintSkinRect(const TSkinControlGeometry& g, TBitmap& target, const TBitmap& picture, const TRect& rect,
                   int width, int height) {
  const NinePartSkin& s = g.Skin;
  switch (g.Scheme) {
    case TSizingScheme::ssFixed:
      target.SetSize(rect.Width(), rect.Height());
      target.Canvas.CopyRect(Rect(0, 0, rect.Width(), rect.Height()), picture.Image(), rect);
      break;
    case TSizingScheme::ssNinePart:
      DrawNinePartSkin(s, g.Sized, target, picture, rect, width, height, true, g.Stretch, g.StretchEffect);
      break;
    case TSizingScheme::ssHorzThreePart:
      DrawHorzThreePartSkin(s.LT.X, g.SkinRect.Width() - s.RT.X, target, g.StretchEffect, width, rect, picture);
      break;
    case TSizingScheme::ssVertThreePart:
      DrawVertThreePartSkin(s.LT.Y, g.SkinRect.Height() - s.LB.Y, target, g.StretchEffect, height, rect, picture);
      break;
    case TSizingScheme::ssNone:
      break;
  }
}

std::optional<QRegion> SkinControlRegion(const TSkinControlGeometry& g, const TBitmap& mask, int width, int height) {
  const NinePartSkin& s = g.Skin;
  const int w = g.SkinRect.Width(), h = g.SkinRect.Height();
  switch (g.Scheme) {
    case TSizingScheme::ssFixed:
      return MaskToRegion(mask, 0, 0);
    case TSizingScheme::ssNinePart:
      return NinePartMaskRegion(s, g.Sized, mask, width, height);
    case TSizingScheme::ssHorzThreePart: {
      // One band: the lower points stand on the upper ones.
      const TPoint right{width - w + s.RT.X, s.RT.Y};
      const NinePartSkin skin{s.LT, s.RT, s.LT, s.RT, s.CR};
      const NinePartSkin sized{s.LT, right, s.LT, right, g.Sized.CR};
      return NinePartMaskRegion(skin, sized, mask, width, height);
    }
    case TSizingScheme::ssVertThreePart: {
      const TPoint bottom{s.LB.X, height - h + s.LB.Y};
      const NinePartSkin skin{s.LT, s.LT, s.LB, s.LB, s.CR};
      const NinePartSkin sized{s.LT, s.LT, bottom, bottom, g.Sized.CR};
      return NinePartMaskRegion(skin, sized, mask, width, height);
    }
    case TSizingScheme::ssNone:
      break;
  }
  return std::nullopt;
}
