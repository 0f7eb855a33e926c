// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinFont.h"
#include "skin/controls/SkinCustomControl.h"

#include "skin/controls/SkinDrawStrips.h"
#include "skin/data/SkinData.h"

namespace {

const TBitmap* PictureAt(const TSkinData& skin, int index) {
  if (index < 0 || std::size_t(index) >= skin.ActivePictures.size()) return nullptr;
  return skin.ActivePictures[std::size_t(index)].get();
}

}  // namespace

TSkinCustomControl::TSkinCustomControl(QWidget* parent, TForm* owner)
    : TSkinControl(parent, owner), defaultFont_(SkinDefaultFont(TFont().Color)) {}

TSkinCustomControl::~TSkinCustomControl() = default;

void TSkinCustomControl::SetDefaultWidth(int width) {
  defaultWidth_ = width;
  if (SkinObjectIndex() == -1 && width > 0) SetBounds(x(), y(), width, height());
}

void TSkinCustomControl::SetDefaultHeight(int height) {
  defaultHeight_ = height;
  if (SkinObjectIndex() == -1 && height > 0) SetBounds(x(), y(), width(), height);
}

void TSkinCustomControl::SetDefaultFont(const TFont& font) {
  defaultFont_ = font;
  DefaultFontUpdated();
  if (SkinObjectIndex() == -1) Repaint();
}

// 1. A control skin of another kind draws nothing (no pictures) and keeps its rectangle's size.
// 2. Copy the geometry, 3. look up the pictures, 4. derive the sizing scheme.
void TSkinCustomControl::RefreshSkinValues() {
  TSkinControl::RefreshSkinValues();
  if (SkinObjectIndex() == -1) return;
  const auto* entry = dynamic_cast<const TDataSkinCustomControl*>(SkinObject());
  if (!entry) {
    // Sized by the entry's own rectangle; one without a rectangle leaves the size alone
    // rather than shrinking the control to nothing.
    geometry_ = TSkinControlGeometry{};
    geometry_.SkinRect = SkinObject()->SkinRect;
    geometry_.Scheme = geometry_.SkinRect.IsEmpty() ? TSizingScheme::ssNone : TSizingScheme::ssFixed;
    skinPicture_ = skinMaskPicture_ = nullptr;
    return;
  }
  const NinePartSkin sized = geometry_.Sized;
  geometry_ = SkinControlGeometry(*entry);
  geometry_.Sized = sized;  // the resized geometry stays until the next size rule
  skinPicture_ = PictureAt(*SkinData(), entry->PictureIndex);
  skinMaskPicture_ = PictureAt(*SkinData(), entry->MaskPictureIndex);
}

void TSkinCustomControl::ForgetSkinObject() {
  TSkinControl::ForgetSkinObject();
  skinPicture_ = skinMaskPicture_ = nullptr;
}

void TSkinCustomControl::FitSizeToSkin(int& width, int& height) { ::FitSizeToSkin(geometry_, width, height); }

void TSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  RefreshSkinValues();
  const bool changed = (width != this->width() || height != this->height()) && SkinObjectIndex() != -1;
  if (changed) FitSizeToSkin(width, height);
  ApplyBounds(left, top, width, height);
  if (!changed) return;
  UpdateWindowRegion();
  Repaint();
}

void TSkinCustomControl::resizeEvent(QResizeEvent* event) {
  TSkinControl::resizeEvent(event);
  if (ApplyingBounds()) return;
  // A size given past SetBounds (through a plain widget pointer or a layout) still follows the
  // skin's size rule.
  RefreshSkinValues();
  if (SkinObjectIndex() == -1) return;
  int w = width(), h = height();
  FitSizeToSkin(w, h);
  if (w != width() || h != height()) {
    SetBounds(x(), y(), w, h);
    return;
  }
  UpdateWindowRegion();
  Repaint();
}

void TSkinCustomControl::ApplySkinChange() {
  RefreshSkinValues();
  bool sizeChanged = false;
  if (SkinObjectIndex() == -1) {
    const int w = defaultWidth_ > 0 ? defaultWidth_ : width();
    const int h = defaultHeight_ > 0 ? defaultHeight_ : height();
    if (w != width() || h != height()) SetBounds(x(), y(), w, h);
  } else {
    int w = width(), h = height();
    FitSizeToSkin(w, h);
    if (w != width() || h != height()) {
      SetBounds(x(), y(), w, h);  // sets the region and repaints
      sizeChanged = true;
    }
  }
  if (sizeChanged) return;
  UpdateWindowRegion();
  Repaint();
}

void TSkinCustomControl::UpdateWindowRegion() {
  if (!skinMaskPicture_ || SkinObjectIndex() == -1) {
    clearMask();
    return;
  }
  int w = width(), h = height();
  FitSizeToSkin(w, h);
  const std::optional<QRegion> region = SkinControlRegion(geometry_, *skinMaskPicture_, w, h);
  if (region && !region->isEmpty()) setMask(*region);
  else clearMask();
}

void TSkinCustomControl::PaintUnskinned(TBitmap& bitmap) {
  bitmap.Canvas.Brush.Color = clBtnFace;
  bitmap.Canvas.Brush.Style = TBrushStyle::bsSolid;
  bitmap.Canvas.FillRect(Rect(0, 0, width(), height()));
}

void TSkinCustomControl::PaintSkinned(TBitmap& bitmap) {
  if (geometry_.Scheme == TSizingScheme::ssNinePart && FrameOnlyPaint) return;
  PaintSkinRect(bitmap, geometry_.SkinRect);
}

void TSkinCustomControl::PaintSkinRect(TBitmap& target, const TRect& rect) {
  if (!skinPicture_) return;
  ::PaintSkinRect(geometry_, target, *skinPicture_, rect, width(), height());
}

void TSkinCustomControl::Paint(TCanvas& canvas) {
  if (width() <= 0 || height() <= 0) return;
  RefreshSkinValues();
  int w = width(), h = height();
  FitSizeToSkin(w, h);
  if (FrameOnlyPaint && geometry_.Scheme == TSizingScheme::ssNinePart && SkinObjectIndex() != -1)
    PaintFrameOnly(canvas);
  else
    PaintThroughBitmap(canvas);
}

// The border as four strips drawn straight onto the canvas; the client area is tiled with the
// skin's client picture (or left to the control).
void TSkinCustomControl::PaintFrameOnly(TCanvas& canvas) {
  if (!skinPicture_) return;
  const int w = width(), h = height();
  TBorderStrips strips;
  BuildFrameStrips(geometry_.Skin, geometry_.Sized, *skinPicture_, geometry_.SkinRect, w, h, geometry_.Stretch,
                   strips);
  PaintSkinned(strips.Top);  // a caption may go into the top strip
  const TRect& client = geometry_.Sized.CR;
  const TRect& skinClient = geometry_.Skin.CR;
  const TRect tile{skinClient.Left + geometry_.SkinRect.Left, skinClient.Top + geometry_.SkinRect.Top,
                   skinClient.Right + geometry_.SkinRect.Left, skinClient.Bottom + geometry_.SkinRect.Top};
  // An empty client picture has nothing to tile (and no tile size to step by).
  if (TileClientBackground && !tile.IsEmpty()) {
    const int saved = canvas.SaveDC();
    canvas.IntersectClipRect(client);
    const int tw = tile.Width(), th = tile.Height();
    for (int k = 0; k <= client.Width() / tw; ++k)
      for (int l = 0; l <= client.Height() / th; ++l)
        canvas.CopyRect(Bounds(client.Left + k * tw, client.Top + l * th, tw, th), skinPicture_->Image(), tile);
    canvas.RestoreDC(saved);
  }
  DrawFrameStrips(canvas, strips, geometry_.Sized, w, h);
}
