// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/menus/SkinMenuItemPaint.h"

#include "platform/Bitmap.h"
#include "skin/controls/EffectBmp.h"
#include "skin/controls/SkinButtonFace.h"
#include "skin/controls/SkinDrawThreePart.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinMenuItemContent.h"
#include "skin/menus/SkinMenuLook.h"

namespace {

// 1. the face, 2. text band and image column, 3. font colours, 4.-7. the content.
void DrawItemState(TBitmap& bitmap, const TSkinMenuItem& item, const TMenuItemPaintContext& context, bool active,
                   const TRect& source, bool stretch) {
  const TSkinMenuLook& look = context.Look;
  const TMenuItemLook& L = *look.Item;
  const int W = item.Rect.Width();
  DrawHorzThreePartSkin(L.ItemLeftOffset, L.ItemRightOffset, bitmap, stretch, W, source, L.Picture);

  TRect T = L.TextRect;
  T.Right += W - L.SkinRect.Width();
  const int column = !L.ImageRect.IsEmpty() ? 0 : context.Images ? context.ImageColumnWidth : kSkinnedMenuColumn;

  TMenuItemColors colors;
  colors.Text = active ? L.ActiveFontColor : item.Enabled() ? L.FontColor : L.UnEnabledFontColor;
  colors.Marks = !L.UseImageColor ? colors.Text : active ? L.ActiveImageColor : L.ImageColor;

  TMenuItemContentLayout layout;
  layout.Band = T;
  layout.CaptionLeft = T.Left + column;
  layout.CaptionAlign = DT_CENTER;
  layout.ShortCutRight = T.Right - kSkinnedMenuColumn;
  layout.ArrowLeft = T.Right - 7;
  const int centre = T.Top + T.Height() / 2;
  if (L.ImageRect.IsEmpty()) {
    layout.ImageArea = {T.Left + 2, T.Top, T.Right, T.Bottom};
    layout.Glyph = {T.Left + 2, centre - 4};
  } else {
    layout.ImageArea = L.ImageRect;
    layout.CentreImage = true;
    layout.Glyph = {L.ImageRect.Left + L.ImageRect.Width() / 2 - 4, L.ImageRect.Top + L.ImageRect.Height() / 2 - 4};
  }
  layout.CheckMark = layout.Glyph;
  layout.RadioDot = {layout.Glyph.X, layout.Glyph.Y + 1};

  bitmap.Canvas.Font = look.Font;
  DrawMenuItemContent(bitmap.Canvas, item, layout, colors, active, context.Images);
}

void DrawPlainState(TBitmap& bitmap, const TSkinMenuItem& item, const TMenuItemPaintContext& context, bool active) {
  const TMenuItemLook& L = *context.Look.Item;
  if (active) DrawItemState(bitmap, item, context, true, L.ActiveSkinRect, L.StretchEffect);
  else DrawItemState(bitmap, item, context, false, L.SkinRect, L.InActiveStretchEffect);
}

void PaintSkinnedItem(TBitmap& target, const TSkinMenuItem& item, const TMenuItemPaintContext& context) {
  const TSkinMenuLook& look = context.Look;
  const TMenuItemLook& L = *look.Item;
  if (item.IsLine()) {
    DrawHorzThreePartSkin(L.DividerLeftOffset, L.DividerRightOffset, target, L.DividerStretchEffect,
                          item.Rect.Width(), L.DividerRect, L.Picture);
    return;
  }
  const bool active = item.Active();
  // 1. A frame of the animation strip.
  if (look.AnimationOn() && item.AnimateFrame > 0 && item.AnimateFrame <= L.FrameCount) {
    const TRect frame =
        AnimationFrameRect(L.AnimateSkinRect, L.SkinRect, L.FrameCount, item.AnimateFrame, TStripLayout::StackedWhenTaller);
    DrawItemState(target, item, context, active, frame, L.StretchEffect);
    return;
  }
  // 2. One state, when no cross-fade is under way.
  const double target01 = active ? 1 : 0;
  if (!look.MorphingOn() || item.MorphProgress() == target01) {
    DrawPlainState(target, item, context, active);
    return;
  }
  // 3. The cross-fade between the two states, as a skinned button fades.
  TBitmap normal;
  TBitmap hot;
  DrawPlainState(normal, item, context, false);
  DrawPlainState(hot, item, context, true);
  TEffectBmp mixed(normal);
  mixed.Morph(L.MorphKind, TEffectBmp(hot), item.MorphProgress());
  target.Assign(mixed.ToImage());
}

}  // namespace

void PaintMenuItem(TBitmap& target, const TSkinMenuItem& item, const TMenuItemPaintContext& context) {
  if (context.Look.Skinned()) PaintSkinnedItem(target, item, context);
  else PaintBuiltInMenuItem(target, item, context);
}
