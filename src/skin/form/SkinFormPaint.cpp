// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The engine on the window: layout for the current size, painting of the skinned and the
// default frame and of the client background, and the hit tests.
#include <QPainter>
#include <optional>

#include "platform/NonClientMessages.h"
#include "platform/WindowDC.h"
#include "skin/controls/EffectBmp.h"
#include "skin/controls/SkinDrawTiling.h"
#include "skin/controls/SkinText.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

void TSkinForm::CalcLayout() {
  if (frameWidth_ == 0) frameWidth_ = form_.Width();
  if (frameHeight_ == 0) frameHeight_ = form_.Height();
  if (!skinData_ || skinData_->Empty()) return;
  layout_ = CalcFrameLayout(geometry_, frameWidth_, frameHeight_);
}

std::vector<TObjectPlace>& TSkinForm::Places() {
  places_.resize(objectList_.size());
  for (std::size_t i = 0; i < objectList_.size(); ++i) places_[i] = objectList_[i]->Place();
  return places_;
}

void TSkinForm::ArrangeObjects() {
  std::vector<TObjectPlace>& places = Places();
  ArrangeFrameObjects(geometry_, layout_, places, SmallIconSize(), showIcon_);
  for (std::size_t i = 0; i < objectList_.size(); ++i) objectList_[i]->ObjectRect = places[i].ObjectRect;
}

void TSkinForm::UpdateFrame(bool arrange) {
  if (Designing() || !skinData_ || skinData_->Empty()) return;
  CalcLayout();
  if (arrange) ArrangeObjects();
  SetRegion(arrange);
  // Setting a region repaints by itself.
  if (!form_.WindowRgn()) form_.Perform(WM_NCPAINT);
}

bool TSkinForm::FrameMinimumMet(int width, int height) const {
  return width >= GetMinWidth() && height >= GetMinHeight();
}

// The skinned frame, in order: layout; four strips of the frame picture (the inactive one while
// the window is inactive) with the objects drawn into them; the client area clipped out; the
// strips placed, with the inactive effect when the skin asks for it.
void TSkinForm::PaintFrame(TCanvas* dc) {
  if (frameWidth_ == 0) frameWidth_ = form_.Width();
  if (frameHeight_ == 0) frameHeight_ = form_.Height();
  if (!skinData_ || !FrameMinimumMet(frameWidth_, frameHeight_)) return;
  CalcLayout();
  ArrangeObjects();
  if (dc) {
    PaintFrameStrips(*dc);
    return;
  }
  TWindowDC windowDC(form_);
  PaintFrameStrips(windowDC.Canvas());
}

void TSkinForm::PaintFrameStrips(TCanvas& dc) {
  const int W = frameWidth_, H = frameHeight_;
  const bool active = IsFormActive();
  const TBitmap& source =
      active || skinData_->InActivePicture.Empty() ? skinData_->Picture : skinData_->InActivePicture;
  const TFrameSkinGeometry& g = geometry_;
  const NinePartSkin skin{g.LT, g.RT, g.LB, g.RB, g.ClientRect};
  const NinePartSkin sized{layout_.NewLT, layout_.NewRT, layout_.NewLB, layout_.NewRB, layout_.NewClientRect};
  BuildFrameStrips(skin, sized, source, Rect(0, 0, g.PW, g.PH), W, H,
                   {skinData_->LeftStretch, skinData_->TopStretch, skinData_->RightStretch, skinData_->BottomStretch},
                   frameStrips_);

  const int clientTop = layout_.NewClientRect.Top, clientBottom = layout_.NewClientRect.Bottom;
  for (auto& object : objectList_) {
    if (!object->Visible) continue;
    if (object->ObjectRect.Bottom > clientTop) {
      // Objects of the bottom band draw into the bottom strip, in its coordinates.
      const TRect kept = object->ObjectRect;
      object->ObjectRect = {kept.Left, kept.Top - clientBottom, kept.Right, kept.Bottom - clientBottom};
      object->Draw(frameStrips_.Bottom.Canvas, false);
      object->ObjectRect = kept;
    } else {
      object->Draw(frameStrips_.Top.Canvas, false);
    }
  }

  dc.SaveDC();
  if (!layout_.NewClientRect.IsEmpty()) dc.ExcludeClipRect(layout_.NewClientRect);
  if (!active && skinData_->AutoRenderingInActiveImage) {
    for (TBitmap* strip : {&frameStrips_.Top, &frameStrips_.Bottom, &frameStrips_.Left, &frameStrips_.Right}) {
      if (strip->Empty()) continue;
      TEffectBmp effect(*strip);
      effect.ApplyInActiveEffect(skinData_->InActiveEffect);
      strip->Assign(effect.ToImage());
    }
  }
  DrawFrameStrips(dc, frameStrips_, sized, W, H);
  dc.RestoreDC(-1);
}

void TSkinForm::PaintObject(TActiveSkinObject& object) {
  if (form_.BorderStyle() == TFormBorderStyle::bsNone) return;
  TWindowDC dc(form_);
  object.Draw(dc.Canvas(), true);
}

namespace {

void Line(TCanvas& canvas, int x0, int y0, int x1, int y1, TColor colour) {
  canvas.Pen.Color = colour;
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

// One ring of the default frame's border, `inset` pixels inside the window's outline.
void Ring(TCanvas& canvas, int W, int H, int inset, TColor topLeft, TColor bottomRight) {
  const int l = inset, t = inset, r = W - 1 - inset, b = H - 1 - inset;
  Line(canvas, l, t, r + 1, t, topLeft);
  Line(canvas, l, t, l, b + 1, topLeft);
  Line(canvas, l, b, r + 1, b, bottomRight);
  Line(canvas, r, t, r, b + 1, bottomRight);
}

}  // namespace

void TSkinForm::ArrangeDefaultFrame() {
  if (objectList_.empty() && !skinned_) CreateDefaultButtons();
  std::vector<TObjectPlace>& places = Places();
  defaultCaptionArea_ = ArrangeDefaultButtons(form_.Width(), form_.BorderStyle(), places, SmallIconSize(), showIcon_);
  for (std::size_t i = 0; i < objectList_.size(); ++i) objectList_[i]->ObjectRect = places[i].ObjectRect;
}

// The frame shown while no skin is loaded, in order: button layout; a caption bar of light and
// shadow lines; the caption text centred between the button groups; the buttons; the client area
// clipped out; the caption bar and three rings of border.
void TSkinForm::PaintDefaultFrame(TCanvas* dc) {
  if (skinData_ && skinData_->SkinChanging()) return;
  const int W = form_.Width(), H = form_.Height();
  const TFormBorderStyle style = form_.BorderStyle();
  const int CH = DefaultCaptionHeight(style);
  ArrangeDefaultFrame();

  TBitmap& bar = defaultCaption_;
  bar.SetSize(std::max(W - 2 * kDefaultBorder, 0), CH);
  TCanvas& c = bar.Canvas;
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = clBtnFace;
  c.FillRect(Rect(0, 0, bar.Width(), CH));
  for (int i = 0; i < CH - 5; ++i)
    Line(c, defaultCaptionArea_.Left - 1, 2 + i, defaultCaptionArea_.Right - 6, 2 + i,
         i % 2 == 0 ? clBtnHighlight : clBtnShadow);

  c.Font = IsFormActive() ? defCaptionFont_ : defInActiveCaptionFont_;
  if (skinData_ && skinData_->ResourceStrData()) c.Font.Charset = skinData_->ResourceStrData()->CharSet;
  QString text = form_.Caption();
  if (!text.isEmpty()) {
    const int left = defaultCaptionArea_.Left - kDefaultBorder;
    const int m = bar.Width() - left - (bar.Width() - defaultCaptionArea_.Right);
    EllipsizeToWidth(c, text, m, DT_NOPREFIX);
    TRect r{0, 0, 0, 0};
    DrawTextAuto(c, text, r, DT_CALCRECT | DT_NOPREFIX);
    const int x = left + m / 2 - (r.Width() + 5) / 2;
    const int y = CH / 2 - r.Height() / 2;
    r = {x, y, x + r.Width(), y + r.Height()};
    c.FillRect({r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2});
    c.Brush.Style = TBrushStyle::bsClear;
    DrawTextAuto(c, text, r, DT_NOPREFIX);
  }
  for (auto& object : objectList_) {
    if (!object->Visible) continue;
    const TRect kept = object->ObjectRect;
    // The bar lies inside the border: the objects' window places move by the border's width.
    constexpr int B = kDefaultBorder;
    object->ObjectRect = {kept.Left - B, kept.Top - B, kept.Right - B, kept.Bottom - B};
    object->Draw(c, false);
    object->ObjectRect = kept;
  }

  std::optional<TWindowDC> windowDC;
  if (!dc) dc = &windowDC.emplace(form_).Canvas();
  dc->SaveDC();
  dc->ExcludeClipRect(DefaultClientRect(style, {0, 0, W, H}));
  dc->Draw(kDefaultBorder, kDefaultBorder, bar);
  Ring(*dc, W, H, 0, cl3DLight, cl3DDkShadow);
  Ring(*dc, W, H, 1, clBtnHighlight, clBtnShadow);
  Ring(*dc, W, H, 2, clBtnFace, clBtnFace);
  dc->RestoreDC(-1);
}

// The client background: the skin's client piece or background picture tiled from the client
// area's corner (the button face colour without either), then the logo in the middle.
void TSkinForm::PaintClientBackground(TCanvas& canvas) {
  const int w = form_.ClientWidth(), h = form_.ClientHeight();
  const TRect whole{0, 0, w, h};
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = clBtnFace;
  const TBitmap* tile = nullptr;
  TRect source{};
  if (skinned_) {
    const int index = skinData_->BGPictureIndex;
    if (index == -1) {
      tile = &skinData_->Picture;
      source = skinData_->ClientRect;
    } else if (index >= 0 && index < int(skinData_->ActivePictures.size())) {
      tile = skinData_->ActivePictures[std::size_t(index)].get();
      source = Rect(0, 0, tile->Width(), tile->Height());
    }
  }
  if (tile && !source.IsEmpty()) {
    if (w > 0 && h > 0) TileBoth(canvas, whole, tile->Image(), source);
  } else {
    canvas.FillRect(whole);
  }
  if (LogoBitMap.Empty()) return;
  const int x = std::max(w / 2 - LogoBitMap.Width() / 2, 0);
  const int y = std::max(h / 2 - LogoBitMap.Height() / 2, 0);
  if (!LogoBitMapTransparent) {
    canvas.Draw(x, y, LogoBitMap);
    return;
  }
  // Transparent: the colour of the logo's bottom-left pixel shows what lies beneath.
  QImage logo = LogoBitMap.Image().convertToFormat(QImage::Format_ARGB32);
  const QRgb key = logo.pixel(0, logo.height() - 1);
  for (int yy = 0; yy < logo.height(); ++yy)
    for (int xx = 0; xx < logo.width(); ++xx)
      if (logo.pixel(xx, yy) == key) logo.setPixel(xx, yy, 0);
  QPainter painter(canvas.Target());
  painter.drawImage(x, y, logo);
}

THitTestState TSkinForm::HitState() const {
  THitTestState state;
  state.W = form_.Width();
  state.H = form_.Height();
  state.Sizeable = IsSizeable(form_.BorderStyle());
  state.Maximised = states_.Maximised();
  state.RolledUpOrMinimised = states_.Collapsed();
  state.ObjectHovered = pointer_.HoverIndex() != -1;
  state.InSizeMove = inSizeMove_;
  return state;
}

int TSkinForm::HitTestSkinned(TPoint p) {
  TMaskTest maskTest;
  if (skinData_ && !skinData_->MaskPicture.Empty()) maskTest = [this](TPoint q) { return MaskHitTest(q); };
  return HitTestSkinnedFrame(layout_, geometry_.BorderWidth, Places(), HitState(), p, maskTest);
}

int TSkinForm::HitTestDefault(TPoint p) {
  ArrangeDefaultFrame();
  return HitTestDefaultFrame(defaultCaptionArea_, form_.BorderStyle(), HitState(), p);
}

TRect TSkinForm::ClientRectOnWindow() const {
  return skinned_ ? layout_.NewClientRect : DefaultClientRect(form_.BorderStyle(), Rect(0, 0, form_.Width(), form_.Height()));
}
