// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinHintWindow.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/PopupToolWindow.h"
#include "platform/Screens.h"
#include "skin/controls/SkinHint.h"
#include "skin/controls/SkinRegion.h"
#include "skin/controls/SkinWindowOS.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

namespace {

const TBitmap* PictureAt(const TSkinData& skin, int index) {
  return index >= 0 && index < int(skin.ActivePictures.size()) ? skin.ActivePictures[std::size_t(index)].get()
                                                                : nullptr;
}

// Text size with line breaks only, as DT_CALCRECT measures it.
TSize MeasureHintText(const TFont& font, const QString& text) {
  TBitmap scratch(1, 1);
  scratch.Canvas.Font = font;
  TRect r{0, 0, 0, 0};
  scratch.Canvas.DrawText(text, r, DT_CALCRECT);
  return {r.Width(), r.Height()};
}

}  // namespace

TSkinHintWindow::TSkinHintWindow(TSkinHint* driver) : driver_(driver) {}

TSkinHint* TSkinHintWindow::DrivingHint() const { return driver_ ? driver_ : TSkinHint::ActiveMainFormHint(); }

TSize TSkinHintWindow::Prepare(const TSkinHint& hint, const QString& text) {
  const TSkinData* skin = hint.SkinData();
  const TBitmap* picture = nullptr;
  if (skin && !skin->Empty()) picture = PictureAt(*skin, skin->HintWindow.WindowPictureIndex);
  skinned_ = picture && !picture->Empty();

  // Font: the skin's, or the hint's default; the character set of the skin's strings if any.
  font_ = hint.DefaultFont;
  if (skinned_ && hint.UseSkinFont) {
    font_.Name = skin->HintWindow.FontName;
    font_.Height = skin->HintWindow.FontHeight;
    font_.Style = skin->HintWindow.FontStyle;
  }
  font_.Charset = skin && skin->ResourceStrData() ? skin->ResourceStrData()->CharSet : hint.DefaultFont.Charset;
  text_ = MeasureHintText(font_, text);

  if (!skinned_) {
    picture_ = TBitmap();
    mask_ = TBitmap();
    return {text_.cx + 4, text_.cy + 4};
  }
  const TDataSkinHintWindow& h = skin->HintWindow;
  picture_ = *picture;
  const TBitmap* mask = PictureAt(*skin, h.MaskPictureIndex);
  mask_ = mask ? *mask : TBitmap();
  skin_ = {h.LeftTopPoint, h.RightTopPoint, h.LeftBottomPoint, h.RightBottomPoint, h.ClientRect};
  stretch_ = {h.LeftStretch, h.TopStretch, h.RightStretch, h.BottomStretch};
  fontColor_ = h.FontColor;
  const int pw = picture_.Width(), ph = picture_.Height();
  const TRect& CR = h.ClientRect;
  const int width = std::max(text_.cx + CR.Left + pw - CR.Right, pw);
  const int height = std::max(text_.cy + CR.Top + ph - CR.Bottom, ph);
  sized_ = ResizeLayout(skin_, pw, ph, width, height);
  return {width, height};
}

TRect TSkinHintWindow::CalcHintRect(int maxWidth, const QString& text) {
  (void)maxWidth;  // hint lines break only where the text breaks them
  const TSkinHint* hint = DrivingHint();
  if (!hint) return {0, 0, 0, 0};
  const TSize size = Prepare(*hint, text);
  return {0, 0, size.cx, size.cy};
}

void TSkinHintWindow::ApplyAlpha(const TSkinHint& hint) {
  if (hint.AlphaBlend != alphaBlend_) {
    alphaBlend_ = hint.AlphaBlend;
    // A window made translucent again gets its alpha at once, even when the value is the one it
    // had before; otherwise it would show at the platform's default.
    alphaValue_ = -1;
    if (!alphaBlend_) setWindowOpacity(1.0);
  }
  if (alphaBlend_ && hint.AlphaBlendValue != alphaValue_) {
    alphaValue_ = hint.AlphaBlendValue;
    SetWindowAlphaLevel(this, alphaValue_);
  }
}

void TSkinHintWindow::ActivateHint(const TRect& rect, const QString& text) {
  // 1. Only a driving hint shows tooltips.
  const TSkinHint* hint = DrivingHint();
  if (!hint) {
    hide();
    return;
  }
  // 2.-4. Look and size.
  SetCaption(text);
  const TSize size = Prepare(*hint, text);
  // 5. At the rectangle's top-left corner, moved to the other side of it where it would leave
  // the screen.
  int left = rect.Left, top = rect.Top;
  const QRect area = ScreenRectAt(QPoint(left, top));
  if (left + size.cx > area.x() + area.width()) left -= size.cx + 2;
  if (top + size.cy > area.y() + area.height()) top -= size.cy + 2;
  // 6. Translucency.
  ApplyAlpha(*hint);
  // 7. Outline from the frame's mask, else none.
  region_ = skinned_ && !mask_.Empty() ? NinePartMaskRegion(skin_, sized_, mask_, size.cx, size.cy) : std::nullopt;
  if (region_) setMask(*region_);
  else clearMask();
  // 8. Shown on top without taking the focus.
  setGeometry(left, top, size.cx, size.cy);
  AttachPopupToOwner(this, Owner());
  show();
  raise();
  update();
}

void TSkinHintWindow::Paint(TBitmap& target) {
  const int W = target.Width(), H = target.Height();
  TCanvas& c = target.Canvas;
  c.Font = font_;
  if (skinned_) {
    DrawNinePartSkin(skin_, sized_, target, picture_, Rect(0, 0, picture_.Width(), picture_.Height()), W, H, true,
                     stretch_);
    const TRect& n = sized_.CR;
    const int x = n.Left + n.Width() / 2 - text_.cx / 2;
    const int y = n.Top + n.Height() / 2 - text_.cy / 2;
    c.Font.Color = fontColor_;
    c.Brush.Style = TBrushStyle::bsClear;
    TRect r{x, y, x + text_.cx, y + text_.cy};
    c.DrawText(Caption(), r, 0);
    return;
  }
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = clInfoBk;
  c.FillRect(Rect(0, 0, W, H));
  c.Brush.Style = TBrushStyle::bsClear;
  c.Pen.Color = clBtnShadow;
  c.Rectangle(0, 0, W, H);
  c.Font.Color = clInfoText;
  TRect r{2, 2, W - 2, H - 2};
  c.DrawText(Caption(), r, 0);
}
