// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The caption object: the window's caption text on the caption bar, with its optional text
// frame, light and shadow, and the caption's own looks where the skin gives them.
#include "platform/Canvas.h"
#include "skin/controls/EffectBmp.h"
#include "skin/controls/SkinButtonFace.h"
#include "skin/controls/SkinDrawThreePart.h"
#include "skin/controls/SkinDrawTiling.h"
#include "skin/controls/SkinText.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/form/ActiveSkinObjects.h"
#include "skin/form/SkinForm.h"

TSkinCaptionObject::TSkinCaptionObject(TSkinForm& skinForm, const TDataSkinObject* data)
    : TActiveSkinObject(skinForm, data) {
  const auto* caption = dynamic_cast<const TDataSkinCaption*>(data);
  if (!caption) return;
  FontName = caption->FontName;
  FontHeight = caption->FontHeight;
  FontStyle = caption->FontStyle;
  FontColor = caption->FontColor;
  ActiveFontColor = caption->ActiveFontColor;
  ShadowColor = caption->ShadowColor;
  ActiveShadowColor = caption->ActiveShadowColor;
  Shadow = caption->Shadow;
  Light = caption->Light;
  LightColor = caption->LightColor;
  ActiveLightColor = caption->ActiveLightColor;
  Alignment = caption->Alignment;
  TextRect = caption->TextRect;
  FrameRect = caption->FrameRect;
  ActiveFrameRect = caption->ActiveFrameRect;
  FrameTextRect = caption->FrameTextRect;
  FrameLeftOffset = caption->FrameLeftOffset;
  FrameRightOffset = caption->FrameRightOffset;
  StretchEffect = caption->StretchEffect;
  FullFrame = caption->FullFrame;
  AnimateSkinRect = caption->AnimateSkinRect;
  FrameCount = caption->FrameCount;
  AnimateInterval = caption->AnimateInterval;
  InActiveAnimation = caption->InActiveAnimation;
}

bool TSkinCaptionObject::HasCaptionAnimation() const {
  const TSkinData* skin = SkinForm.SkinData();
  return skin && !skin->Empty() && skin->EnableSkinEffects && !AnimateSkinRect.IsEmpty();
}

void TSkinCaptionObject::StartActivationAnimation(bool active) {
  if (!HasCaptionAnimation()) return;
  AnimateCounter = 25;
  AnimateFrame = active ? 1 : (InActiveAnimation ? FrameCount : 0);
  SkinForm.FrameAnimateTimer().Start();
}

// Every 25 ms: the counter runs up to the animation's interval, then one frame is stepped,
// forward while active (past the last frame, where the normal active look takes over) or back
// to 0 while inactive.
bool TSkinCaptionObject::AnimateTick() {
  if (!HasCaptionAnimation()) return false;
  if (AnimateCounter < AnimateInterval) {
    AnimateCounter += 25;
    return true;
  }
  if (Active && AnimateFrame <= FrameCount) ++AnimateFrame;
  else if (!Active && AnimateFrame > 0) --AnimateFrame;
  else return false;
  RepaintAlone();
  AnimateCounter = 25;
  return true;
}

void TSkinCaptionObject::MouseDown(int x, int y, TMouseButton button) {
  if (SkinForm.OnMouseDownEvent) SkinForm.OnMouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TSkinCaptionObject::MouseUp(int x, int y, TMouseButton button) {
  if (SkinForm.OnMouseUpEvent) SkinForm.OnMouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TSkinCaptionObject::MouseEnter() {
  MouseIn = true;
  if (SkinForm.OnMouseEnterEvent) SkinForm.OnMouseEnterEvent(IDName);
}

void TSkinCaptionObject::MouseLeave() {
  MouseIn = false;
  if (SkinForm.OnMouseLeaveEvent) SkinForm.OnMouseLeaveEvent(IDName);
}

TRect TSkinCaptionObject::TextArea() const {
  TRect area = TextRect;
  if (!area.IsEmpty()) area.Right += ObjectRect.Width() - SkinRect.Width();
  if (!FrameRect.IsEmpty()) {
    area.Top += FrameTextRect.Top;
    area.Left += FrameTextRect.Left;
    area.Right += FrameTextRect.Right - FrameRect.Width();
  }
  return area;
}

// The text at origin (ox, oy), in order: shortened to the text area with "..."; centred
// vertically and aligned in it; the text frame under it; light one pixel up-left, shadow one
// pixel down-right, then the text.
void TSkinCaptionObject::DrawText(TCanvas& canvas, int ox, int oy, bool activeLook) const {
  QString text = SkinForm.OwnerForm().Caption();
  if (text.isEmpty() || TextRect.IsEmpty()) return;
  canvas.Font.Name = FontName;
  canvas.Font.Height = FontHeight;
  canvas.Font.Style = FontStyle;
  const TSkinData* skin = SkinForm.SkinData();
  canvas.Font.Charset = skin && skin->ResourceStrData() ? skin->ResourceStrData()->CharSet
                                                       : SkinForm.DefCaptionFont().Charset;
  const TRect area = TextArea();
  // A window caption shows its "&" as it is: measured, shortened and drawn alike.
  EllipsizeToWidth(canvas, text, area.Width(), DT_NOPREFIX);
  const int tw = MeasureTextWidth(canvas, text, DT_NOPREFIX), th = MeasureTextHeight(canvas, text, DT_NOPREFIX);
  int y = area.Top + area.Height() / 2 - th / 2;
  int x = area.Left;
  if (Alignment == TAlignment::taRightJustify) x = area.Right - tw;
  else if (Alignment == TAlignment::taCenter) x = area.Left + area.Width() / 2 - tw / 2;
  x += ox;
  y += oy;
  canvas.Brush.Style = TBrushStyle::bsClear;

  if (!FrameRect.IsEmpty() && ActivePicture) {
    const TRect source = activeLook && !ActiveFrameRect.IsEmpty() ? ActiveFrameRect : FrameRect;
    const int offset = SkinForm.Layout().ButtonsOffsetValue;
    const int width = FullFrame ? ObjectRect.Width() - 2 * offset : FrameRect.Width() + tw - FrameTextRect.Width();
    if (width > 0) {
      TBitmap frame;
      DrawHorzThreePartSkin(FrameLeftOffset, FrameRightOffset, frame, false, width, source, *ActivePicture);
      if (FullFrame) canvas.Draw(ox + offset, y - FrameTextRect.Top, frame);
      else canvas.Draw(x - FrameTextRect.Left, y - FrameTextRect.Top, frame);
    }
  }
  const auto textAt = [&](int tx, int ty, TColor colour) {
    canvas.Font.Color = colour;
    TRect r{tx, ty, tx, ty};
    DrawTextAuto(canvas, text, r, DT_CALCRECT | DT_NOPREFIX);
    DrawTextAuto(canvas, text, r, DT_NOPREFIX);
  };
  if (Light) textAt(x - 1, y - 1, activeLook ? ActiveLightColor : LightColor);
  if (Shadow) textAt(x + 1, y + 1, activeLook ? ActiveShadowColor : ShadowColor);
  textAt(x, y, activeLook ? ActiveFontColor : FontColor);
}

// A bitmap of the object's size from a look: the skin's corner columns kept at both ends and the
// middle tiled (or stretched) when the look has them, else the whole look stretched.
TBitmap TSkinCaptionObject::LookBitmap(const TBitmap* picture, const TRect& source) const {
  const int w = ObjectRect.Width(), h = ObjectRect.Height();
  TBitmap look(std::max(w, 0), std::max(h, 0));
  if (!picture || source.IsEmpty() || w <= 0 || h <= 0) return look;
  const TSkinData* skin = SkinForm.SkinData();
  const int a = skin ? std::max(skin->LeftTopPoint.X - SkinRect.Left, 0) : 0;
  const int b = skin ? std::max(SkinRect.Right - skin->RightTopPoint.X, 0) : 0;
  if (a > 0 || b > 0) {
    TBitmap row;
    DrawHorzThreePartSkin(a, b, row, StretchEffect, w, source, *picture);
    CopyPiece(look.Canvas, Rect(0, 0, w, h), row.Image(), Rect(0, 0, row.Width(), row.Height()));
  } else {
    CopyPiece(look.Canvas, Rect(0, 0, w, h), picture->Image(), source);
  }
  return look;
}

TBitmap TSkinCaptionObject::LookWithText(const TBitmap* picture, const TRect& source, bool activeLook) const {
  TBitmap look = LookBitmap(picture, source);
  DrawText(look.Canvas, 0, 0, activeLook);
  return look;
}

void TSkinCaptionObject::DrawInactiveEffectAndPlace(TCanvas& canvas, TBitmap& look) const {
  const TSkinData* skin = SkinForm.SkinData();
  if (!SkinForm.IsFormActive() && skin && skin->AutoRenderingInActiveImage) {
    TEffectBmp effect(look);
    effect.ApplyInActiveEffect(skin->InActiveEffect);
    look.Assign(effect.ToImage());
  }
  canvas.Draw(ObjectRect.Left, ObjectRect.Top, look);
}

// The caption, first match: a frame of the caption animation; a morph between the inactive and
// the active look; the text alone on the frame (no look of its own, or nothing that needs one);
// the inactive or the active look with the text.
void TSkinCaptionObject::Draw(TCanvas& canvas, bool) {
  const bool animation = HasCaptionAnimation();
  if (animation && AnimateFrame > 0 && AnimateFrame <= FrameCount) {
    const TRect frame =
        AnimationFrameRect(AnimateSkinRect, SkinRect, FrameCount, AnimateFrame, TStripLayout::StackedWhenTaller);
    // The text keeps the look of the state being left until the animation ends.
    TBitmap look = LookWithText(ActivePicture, frame, !Active);
    canvas.Draw(ObjectRect.Left, ObjectRect.Top, look);
    return;
  }
  if (MorphEnabled() && Morph.Short(Active)) {
    TBitmap inactive = LookWithText(FramePicture, SkinRect, false);
    const TBitmap active = LookWithText(ActivePicture, ActiveSkinRect, true);
    TEffectBmp blended(inactive);
    blended.Morph(MorphKind, TEffectBmp(active), Morph.Value());
    inactive.Assign(blended.ToImage());
    DrawInactiveEffectAndPlace(canvas, inactive);
    return;
  }
  if (ActiveSkinRect.IsEmpty() || (!Active && !MorphEnabled() && !StretchEffect && !animation)) {
    DrawText(canvas, ObjectRect.Left, ObjectRect.Top, Active);
    return;
  }
  if (!Active) {
    TBitmap inactive = LookWithText(FramePicture, SkinRect, false);
    DrawInactiveEffectAndPlace(canvas, inactive);
    return;
  }
  const TBitmap active = LookWithText(ActivePicture, ActiveSkinRect, true);
  canvas.Draw(ObjectRect.Left, ObjectRect.Top, active);
}
