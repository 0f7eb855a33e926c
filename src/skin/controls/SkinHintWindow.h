// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The application's tooltip window painted from the skin's "HINTWINDOW" frame: sized to its
// text plus the frame around the frame's client rectangle, cut to the frame's mask, optionally
// translucent. Without a usable skin it shows the plain tooltip look.
#include <QRegion>
#include <optional>

#include "platform/Bitmap.h"
#include "platform/Font.h"
#include "platform/HintWindow.h"
#include "skin/controls/SkinDrawNinePart.h"

class TSkinHint;
class TSkinData;

class TSkinHintWindow : public THintWindow {
  Q_OBJECT
 public:
  // A window driven by `driver` (the object-hint window of a TSkinHint), or, without one, by
  // the first active TSkinHint owned by the application's main form.
  explicit TSkinHintWindow(TSkinHint* driver = nullptr);

  // Shows `text` at rect's top-left corner (moved to stay on the screen) at the size the text
  // needs; not shown at all without a driving TSkinHint.
  void ActivateHint(const TRect& rect, const QString& text) override;
  TRect CalcHintRect(int maxWidth, const QString& text) override;

  bool Skinned() const { return skinned_; }
  const NinePartSkin& SizedGeometry() const { return sized_; }
  const std::optional<QRegion>& Region() const { return region_; }

 protected:
  void Paint(TBitmap& target) override;

 private:
  TSkinHint* DrivingHint() const;
  // Takes the look (skin picture and geometry, font, colours) from the driving hint and sizes
  // the window for `text`; returns the size.
  TSize Prepare(const TSkinHint& hint, const QString& text);
  void ApplyAlpha(const TSkinHint& hint);

  TSkinHint* driver_;
  bool skinned_ = false;
  TBitmap picture_;  // copies: the skin may change or go while the window shows
  TBitmap mask_;
  NinePartSkin skin_;
  NinePartSkin sized_;
  TEdgeStretch stretch_;
  TColor fontColor_ = clInfoText;
  TFont font_;
  TSize text_;
  std::optional<QRegion> region_;
  bool alphaBlend_ = false;
  int alphaValue_ = -1;
};
