// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What all picture-based skinned controls share: the geometry of their control skin (a
// TDataSkinCustomControl) cached at every refresh, the skin's size rule applied to every size
// the control is given, a window region cut from the skin's mask, and a default size and font
// for the look without a skin.
#include "platform/Bitmap.h"
#include "platform/Font.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinControlGeometry.h"

class TSkinCustomControl : public TSkinControl {
  Q_OBJECT
 public:
  explicit TSkinCustomControl(QWidget* parent = nullptr, TForm* owner = nullptr);
  ~TSkinCustomControl() override;

  // Size without a control skin; 0 keeps the size the control has.
  int DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(int width);
  int DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(int height);
  // Font of the look without a skin ("Arial", height 14 on a new control). Setting it copies.
  const TFont& DefaultFont() const { return defaultFont_; }
  void SetDefaultFont(const TFont& font);
  // Take the font from the control skin.
  bool UseSkinFont = true;

  // The cached geometry: skin rectangle, corner points, client rectangle, their resized
  // counterparts and the sizing scheme.
  const TSkinControlGeometry& SkinGeometry() const { return geometry_; }
  TSizingScheme SizingScheme() const { return geometry_.Scheme; }
  // The skin's client rectangle at the control's current size.
  const TRect& NewClientRect() const { return geometry_.Sized.CR; }
  // The pictures the control skin points at; not owned, nullptr when it points at none.
  const TBitmap* SkinPicture() const { return skinPicture_; }
  const TBitmap* SkinMaskPicture() const { return skinMaskPicture_; }

  void RefreshSkinValues() override;
  void ApplySkinChange() override;
  // Also lets go of the pictures, which the skin data is about to free.
  void ForgetSkinObject() override;
  void SetBounds(int left, int top, int width, int height) override;
  // The skin's size rule for a requested size; sets the resized geometry for the result.
  virtual void FitSizeToSkin(int& width, int& height);
  // Cuts the window region from the skin's mask at the current size, or removes it.
  virtual void UpdateWindowRegion();

 protected:
  // Paint the border strips and tile the client straight onto the canvas (skinned panels).
  bool FrameOnlyPaint = false;
  // With FrameOnlyPaint, also tile the skin's client picture.
  bool TileClientBackground = true;

  // Called whenever the default font changed.
  virtual void DefaultFontUpdated() {}

  void PaintUnskinned(TBitmap& bitmap) override;
  void PaintSkinned(TBitmap& bitmap) override;
  void Paint(TCanvas& canvas) override;
  // Draws a rectangle of the skin picture (the skin rectangle or another look of its size) at
  // the control's size by the sizing scheme.
  void PaintSkinRect(TBitmap& target, const TRect& rect);
  // Forgets the mask picture (the control then gets no region).
  void DropMaskPicture() { skinMaskPicture_ = nullptr; }

  void resizeEvent(QResizeEvent* event) override;

 private:
  void PaintFrameOnly(TCanvas& canvas);

  int defaultWidth_ = 0;
  int defaultHeight_ = 0;
  TFont defaultFont_;
  TSkinControlGeometry geometry_;
  const TBitmap* skinPicture_ = nullptr;
  const TBitmap* skinMaskPicture_ = nullptr;
};
