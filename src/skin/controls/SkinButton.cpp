// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinButton.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPainter>

#include "platform/ImageList.h"
#include "skin/controls/EffectBmp.h"
#include "skin/controls/SkinDrawNinePart.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinCustomControls.h"
#include "skin/data/SkinData.h"

namespace {

constexpr TColor kPressedFrame = 0x800000;
constexpr TColor kPressedFill = 0xB59385;
constexpr TColor kHotFill = 0xD2BDB6;
constexpr int kNewButtonWidth = 75;
constexpr int kNewButtonHeight = 25;

}  // namespace

TSkinButton::TSkinButton(QWidget* parent, TForm* owner) : TSkinCustomControl(parent, owner) {
  SetSkinDataName(QStringLiteral("button"));
  ApplyBounds(x(), y(), kNewButtonWidth, kNewButtonHeight);
  SetTabStop(true);
  hoverFadeTimer_.OnTimer = [this] { HoverFadeTick(); };
  repeatTimer_.OnTimer = [this] { ClickFromInput(); };
  animateTimer_.OnTimer = [this] { AnimateTick(); };
  QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusChanged(now); });
  activeDefault_ = default_;
}

TSkinButton::~TSkinButton() {
  hoverFadeTimer_.Stop();
  repeatTimer_.Stop();
  StopAnimation();
}

// --- Properties -------------------------------------------------------------------------------

void TSkinButton::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  WatchAccelerator();
  Repaint();
}

void TSkinButton::SetUseSkinSize(bool on) {
  useSkinSize_ = on;
  Repaint();
}

void TSkinButton::SetUseSkinFontColor(bool on) {
  useSkinFontColor_ = on;
  Repaint();
}

void TSkinButton::SetCanFocused(bool on) {
  canFocused_ = on;
  SetTabStop(on);
}

void TSkinButton::SetTabStop(bool on) {
  tabStop_ = on;
  // A press focuses a focusable button itself (see mousePressEvent), so the window system only
  // needs to know about the Tab key.
  setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void TSkinButton::SetGroupIndex(int index) {
  groupIndex_ = index;
  if (index != 0) SetCanFocused(false);
}

void TSkinButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  if (down) {
    if (InGroup() && !AllowAllUp) ReleaseGroupSiblings();
    morph_.JumpTo(true);
    hoverFadeTimer_.Stop();
  } else {
    // From the down face the fade starts at the active one.
    morph_.JumpTo(true);
    hoverFadeTimer_.Start();
  }
  Repaint();
}

void TSkinButton::ReleaseGroupSiblings() {
  if (!parentWidget()) return;
  for (TSkinButton* other : parentWidget()->findChildren<TSkinButton*>(Qt::FindDirectChildrenOnly))
    if (other != this && other->groupIndex_ == groupIndex_ && other->down_) other->SetDown(false);
}

void TSkinButton::SetGlyph(const TBitmap& glyph) {
  glyph_ = glyph;
  Repaint();
}

void TSkinButton::SetNumGlyphs(int count) {
  if (count < 1 || count > 4) return;
  numGlyphs_ = count;
  Repaint();
}

void TSkinButton::SetMargin(int margin) {
  if (margin < -1) return;
  margin_ = margin;
  Repaint();
}

void TSkinButton::SetSpacing(int spacing) {
  spacing_ = spacing;
  Repaint();
}

void TSkinButton::SetLayout(TGlyphLayout layout) {
  layout_ = layout;
  Repaint();
}

void TSkinButton::SetImageList(const TCustomImageList* images) {
  imageList_ = images;
  Repaint();
}

void TSkinButton::SetImageIndex(int index) {
  imageIndex_ = index;
  Repaint();
}

void TSkinButton::SetDefault(bool on) {
  default_ = on;
  if (QWidget* focus = window()->focusWidget()) FocusChanged(focus);
  else activeDefault_ = on;
}

void TSkinButton::SetAction(QAction* action) {
  if (action_) QObject::disconnect(action_, nullptr, this, nullptr);
  action_ = action;
  if (!action) return;
  QObject::connect(action, &QAction::changed, this, [this] { ActionChanged(); });
  ActionChanged();
}

void TSkinButton::ActionChanged() {
  if (!action_) return;
  SetCaption(action_->text());
  setEnabled(action_->isEnabled());
  const QIcon icon = action_->icon();
  if (!glyph_.Empty() || icon.isNull()) return;
  // The glyph's transparent colour is its bottom-left pixel: fill with one that icons avoid.
  const QSize size = icon.availableSizes().value(0, QSize(16, 16));
  TBitmap glyph(size.width(), size.height());
  glyph.Image().fill(ToQColor(0xFF00FF));
  QPainter(&glyph.Image()).drawPixmap(0, 0, icon.pixmap(size));
  SetGlyph(glyph);
}

void TSkinButton::ButtonClick() {
  if (clicksDisabled_) return;
  if (canFocused_ && ModalResult != 0)
    if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(ModalResult);
  if (OnClick) OnClick(this);
  else if (action_ && !Designing()) action_->trigger();
}

// --- Skin values ------------------------------------------------------------------------------

bool TSkinButton::EffectsOn() const { return SkinData() && !SkinData()->Empty() && SkinData()->EnableSkinEffects; }

void TSkinButton::RefreshSkinValues() {
  TSkinCustomControl::RefreshSkinValues();
  normalRect_ = SkinGeometry().SkinRect;
  if (SkinObjectIndex() == -1) {
    look_.AnimateSkinRect = {};
    return;
  }
  if (const auto* entry = dynamic_cast<const TDataSkinButtonControl*>(SkinObject()))
    look_ = SkinButtonLookOf(*entry, SkinGeometry().SkinRect);
  else
    look_ = PlainButtonLook(SkinGeometry().SkinRect);
  // Without its own size the button keeps a rectangular window.
  if (!useSkinSize_) DropMaskPicture();
  // A running animation shows one frame of its strip in place of the face it leads to.
  if (animateTimer_.Active() && animateFrame_ > 0 && animateFrame_ <= look_.FrameCount) {
    const TRect frame = AnimationFrameRect(look_.AnimateSkinRect, SkinGeometry().SkinRect, look_.FrameCount,
                                           animateFrame_);
    if (animateForward_) look_.ActiveSkinRect = frame;
    else normalRect_ = frame;
  }
}

void TSkinButton::FitSizeToSkin(int& width, int& height) {
  if (useSkinSize_ || SizingScheme() == TSizingScheme::ssNinePart) TSkinCustomControl::FitSizeToSkin(width, height);
}

void TSkinButton::ApplySkinChange() {
  hoverFadeTimer_.Stop();
  StopAnimation();
  morph_.JumpTo(false);
  RefreshSkinValues();
  if (MorphingOn() && (Focused() || mouseIn_)) morph_.JumpTo(true);
  TSkinCustomControl::ApplySkinChange();
}

// --- Painting ---------------------------------------------------------------------------------

TButtonState TSkinButton::State() const {
  TButtonState s;
  s.Enabled = isEnabled();
  s.Down = down_;
  s.MouseIn = mouseIn_;
  s.Focused = Focused();
  s.CanFocused = canFocused_;
  s.PressedByMouse = pressedByMouse_;
  s.InGroup = InGroup();
  s.Morphing = MorphingOn();
  s.MorphProgress = morph_.Value();
  return s;
}

// 1. Refresh; without a control skin the plain look.
// 2. One bitmap of the button's size.
// 3. Mid-fade: the normal and the active face mixed by the skin's morph.
// 4. Otherwise the one face the state selects.
void TSkinButton::Paint(TCanvas& canvas) {
  if (width() <= 0 || height() <= 0) return;
  RefreshSkinValues();
  if (SkinObjectIndex() == -1) {
    PaintThroughBitmap(canvas);
    return;
  }
  TBitmap face(width(), height());
  const TButtonState state = State();
  if (ShowsMorphFrame(state)) {
    TBitmap active(width(), height());
    DrawSkinState(face, normalRect_, false, false);
    DrawSkinState(active, look_.ActiveSkinRect, true, false);
    TEffectBmp mixed(face);
    mixed.Morph(look_.MorphKind, TEffectBmp(active), morph_.Value());
    mixed.Draw(canvas, 0, 0);
    return;
  }
  switch (ChooseButtonFace(state, !look_.DisabledSkinRect.IsEmpty())) {
    case TButtonFace::Disabled: DrawSkinState(face, look_.DisabledSkinRect, false, false); break;
    case TButtonFace::Down: DrawSkinState(face, look_.DownSkinRect, true, true); break;
    case TButtonFace::Active: DrawSkinState(face, look_.ActiveSkinRect, true, false); break;
    case TButtonFace::Normal: DrawSkinState(face, normalRect_, false, false); break;
  }
  canvas.Draw(0, 0, face);
}

TFont TSkinButton::CaptionFont(bool skinned) const {
  TFont font = DefaultFont();
  if (skinned && UseSkinFont) {
    font.Name = look_.FontName;
    font.Height = look_.FontHeight;
    font.Style = look_.FontStyle;
  }
  if (SkinData() && SkinData()->ResourceStrData()) font.Charset = SkinData()->ResourceStrData()->CharSet;
  return font;
}

// 1. The face, 2. font, 3. colour, 4. focus outline, 5. glyph (or image) and caption.
void TSkinButton::DrawSkinState(TBitmap& bitmap, const TRect& rect, bool active, bool down) {
  TRect area;
  const TSkinControlGeometry& g = SkinGeometry();
  if (useSkinSize_ || g.Scheme == TSizingScheme::ssNinePart) {
    PaintSkinRect(bitmap, rect);
    area = NewClientRect();
  } else {
    if (const TBitmap* picture = SkinPicture()) {
      if (g.Scheme == TSizingScheme::ssFixed)
        bitmap.Canvas.CopyRect(Rect(0, 0, bitmap.Width(), bitmap.Height()), picture->Image(), rect);
      else if (g.Scheme != TSizingScheme::ssNone)
        DrawSkinRectResized(bitmap, *picture, rect, g.Skin.CR, true);
    }
    const int dw = bitmap.Width() - rect.Width(), dh = bitmap.Height() - rect.Height();
    area = {g.Skin.CR.Left, g.Skin.CR.Top, g.Skin.CR.Right + dw, g.Skin.CR.Bottom + dh};
  }
  TCanvas& canvas = bitmap.Canvas;
  canvas.Font = CaptionFont(true);
  canvas.Font.Color = CaptionColor(look_, isEnabled(), active, down, useSkinFontColor_, DefaultFont().Color);
  if (look_.ShowFocus && Focused()) {
    canvas.Brush.Color = SkinData() ? SkinData()->SkinColors.CBtnFace : clBtnFace;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    DrawFocusRect(canvas, area);
    canvas.Brush.Style = TBrushStyle::bsClear;
  }
  DrawContent(canvas, area, active, down, active && down);
}

void TSkinButton::DrawContent(TCanvas& canvas, const TRect& area, bool active, bool down, bool imagePressed) {
  if (imageList_ && imageIndex_ >= 0 && imageIndex_ < imageList_->Count()) {
    DrawImageAndCaption(canvas, area, margin_, spacing_, layout_, caption_, imageList_, imageIndex_, isEnabled(),
                        imagePressed);
    return;
  }
  DrawGlyphAndCaption(canvas, area, margin_, spacing_, layout_, caption_, glyph_, numGlyphs_,
                      GlyphCell(active, down, isEnabled(), numGlyphs_), active && down);
}

// The look without a skin: a framed face, darker while held, lighter while hot.
void TSkinButton::PaintUnskinned(TBitmap& bitmap) {
  TCanvas& canvas = bitmap.Canvas;
  const bool held = down_ && (mouseIn_ || (Focused() && !pressedByMouse_) || InGroup());
  const bool hot = mouseIn_ || Focused();
  canvas.Pen.Color = held || hot ? kPressedFrame : clBtnShadow;
  canvas.Brush.Color = held ? kPressedFill : hot ? kHotFill : clBtnFace;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Rectangle(0, 0, width(), height());
  canvas.Font = CaptionFont(false);
  if (!isEnabled()) canvas.Font.Color = clBtnShadow;
  DrawContent(canvas, Rect(0, 0, width(), height()), held || hot, held, down_ && mouseIn_);
}
