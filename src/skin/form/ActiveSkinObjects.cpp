// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/form/ActiveSkinObjects.h"

#include <QPainter>
#include <algorithm>

#include "platform/Canvas.h"
#include "skin/controls/EffectBmp.h"
#include "skin/controls/SkinDrawTiling.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/form/SkinForm.h"

// Construction from a data object: the common keys; an active picture index that names no
// picture leaves the object without active look (and so without morph); the object starts at
// its skin rectangle.
TActiveSkinObject::TActiveSkinObject(TSkinForm& skinForm, const TDataSkinObject* data)
    : SkinForm(skinForm), SkinDataRef(skinForm.SkinData()) {
  if (SkinDataRef) FramePicture = &SkinDataRef->Picture;
  if (!data) return;
  IDName = data->IDName;
  Hint = data->Hint;
  SkinRectInAPicture = data->SkinRectInAPicture;
  SkinRect = data->SkinRect;
  ActiveSkinRect = data->ActiveSkinRect;
  InActiveSkinRect = data->InActiveSkinRect;
  Morphing = data->Morphing;
  MorphKind = data->MorphKind;
  const int index = data->ActivePictureIndex;
  if (SkinDataRef && index >= 0 && index < int(SkinDataRef->ActivePictures.size()))
    ActivePicture = SkinDataRef->ActivePictures[std::size_t(index)].get();
  else
    ActiveSkinRect = {};
  if (Morphing && ActiveSkinRect.IsEmpty()) Morphing = false;
  ObjectRect = SkinRect;
}

TObjectPlace TActiveSkinObject::Place() const {
  return {Kind(), Command(), SkinRectInAPicture, Visible, Enabled, SkinRect, ObjectRect};
}

bool TActiveSkinObject::MorphEnabled() const {
  const TSkinData* skin = SkinForm.SkinData();
  return Morphing && skin && !skin->Empty() && skin->EnableSkinEffects;
}

bool TActiveSkinObject::NeedsMorphStep() const {
  return Morph.Short(Active);
}

void TActiveSkinObject::ResetState() {
  Active = MouseIn = false;
  Morph.JumpTo(false);
}

void TActiveSkinObject::StartMorph() {
  if (MorphEnabled()) SkinForm.FrameMorphTimer().Start();
  else RepaintAlone();
}

void TActiveSkinObject::MorphStep() {
  Morph.StepTowards(Active);
  RepaintAlone();
}

void TActiveSkinObject::RepaintAlone() { SkinForm.PaintObject(*this); }

void TActiveSkinObject::DrawLook(TCanvas& canvas, const TBitmap* picture, const TRect& source) const {
  if (picture && !source.IsEmpty()) CopyPiece(canvas, ObjectRect, picture->Image(), source);
}

void TActiveSkinObject::DrawMorph(TCanvas& canvas, const TBitmap* normalPicture, const TRect& normal,
                                  const TRect& active) const {
  if (!normalPicture || !ActivePicture || ObjectRect.IsEmpty()) return;
  const int w = ObjectRect.Width(), h = ObjectRect.Height();
  TBitmap normalLook(w, h), activeLook(w, h);
  CopyPiece(normalLook.Canvas, Rect(0, 0, w, h), normalPicture->Image(), normal);
  CopyPiece(activeLook.Canvas, Rect(0, 0, w, h), ActivePicture->Image(), active);
  TEffectBmp blended(normalLook);
  blended.Morph(MorphKind, TEffectBmp(activeLook), Morph.Value());
  blended.Draw(canvas, ObjectRect.Left, ObjectRect.Top);
}

// The base look, first match: the inactive look of an inactive window; a morph frame; the normal
// look (nothing in the frame pass when the frame picture already shows it); the active look.
void TActiveSkinObject::Draw(TCanvas& canvas, bool singleRepaint) {
  if (Enabled && !SkinForm.IsFormActive() && !InActiveSkinRect.IsEmpty()) {
    DrawLook(canvas, ActivePicture, InActiveSkinRect);
    return;
  }
  const TBitmap* normalPicture = SkinRectInAPicture ? ActivePicture : FramePicture;
  if (MorphEnabled() && Morph.Short(Active)) {
    DrawMorph(canvas, normalPicture, SkinRect, ActiveSkinRect);
    return;
  }
  if (!Active || ActiveSkinRect.IsEmpty()) {
    if (!singleRepaint && !SkinRectInAPicture) return;
    DrawLook(canvas, normalPicture, SkinRect);
    return;
  }
  DrawLook(canvas, ActivePicture, ActiveSkinRect);
}

void TActiveSkinObject::MouseDown(int x, int y, TMouseButton button) {
  if (SkinForm.OnMouseDownEvent) SkinForm.OnMouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TActiveSkinObject::MouseUp(int x, int y, TMouseButton button) {
  if (MouseIn && SkinForm.OnMouseUpEvent) SkinForm.OnMouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TActiveSkinObject::MouseMove(int x, int y) {
  if (SkinForm.OnMouseMoveEvent) SkinForm.OnMouseMoveEvent(IDName, x, y, ObjectRect);
}

void TActiveSkinObject::MouseEnter() {
  MouseIn = Active = true;
  if (!ActiveSkinRect.IsEmpty()) StartMorph();
  if (SkinForm.OnMouseEnterEvent) SkinForm.OnMouseEnterEvent(IDName);
}

void TActiveSkinObject::MouseLeave() {
  MouseIn = Active = false;
  if (!ActiveSkinRect.IsEmpty()) StartMorph();
  if (SkinForm.OnMouseLeaveEvent) SkinForm.OnMouseLeaveEvent(IDName);
}

void TUserObject::Draw(TCanvas& canvas, bool) {
  if (SkinForm.OnPaintEvent) SkinForm.OnPaintEvent(IDName, canvas, ObjectRect);
}

std::unique_ptr<TActiveSkinObject> CreateActiveSkinObject(TSkinForm& skinForm, const TDataSkinObject& data) {
  // Menu entries belong to the menus.
  if (dynamic_cast<const TDataSkinMainMenuItem*>(&data) || dynamic_cast<const TDataSkinMenuItem*>(&data) ||
      dynamic_cast<const TDataSkinMainMenuBarButton*>(&data))
    return nullptr;
  if (dynamic_cast<const TDataSkinStdButton*>(&data)) return std::make_unique<TSkinStdButtonObject>(skinForm, &data);
  if (dynamic_cast<const TDataSkinButton*>(&data)) return std::make_unique<TSkinButtonObject>(skinForm, &data);
  if (dynamic_cast<const TDataSkinCaption*>(&data)) return std::make_unique<TSkinCaptionObject>(skinForm, &data);
  if (dynamic_cast<const TDataSkinAnimate*>(&data)) return std::make_unique<TSkinAnimateObject>(skinForm, &data);
  if (dynamic_cast<const TDataUserObject*>(&data)) return std::make_unique<TUserObject>(skinForm, &data);
  return nullptr;
}
