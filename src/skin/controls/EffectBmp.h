// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A 24-bit picture with the skin's effects: the cross-fades (morphs) between a normal and an
// active look that hovers show, and the single-picture effects of an inactive window.
//
// Mixed bytes are round(m·v + (1 − m)·o) for a weight m, v from this picture, o from the other;
// rounding is to nearest with ties to even, results are clamped to 0..255.
#include <QRandomGenerator>

#include "skin/controls/PixelBuffer24.h"
#include "skin/data/SkinIniValues.h"

class TCanvas;

class TEffectBmp : public TPixelBuffer24 {
 public:
  TEffectBmp(int width, int height) : TPixelBuffer24(width, height) {}
  explicit TEffectBmp(const TBitmap& source) : TPixelBuffer24(source) {}
  explicit TEffectBmp(const QImage& source) : TPixelBuffer24(source) {}

  // Copies the whole picture onto the canvas at (x, y).
  void Draw(TCanvas& canvas, int x, int y) const;

  // Morphs move this picture towards `other` for a progress k in 0..1 (clamped); they do
  // nothing when the sizes differ.
  void MorphBlend(const TEffectBmp& other, double k);
  void MorphGradient(const TEffectBmp& other, double k);
  void MorphLeftGradient(const TEffectBmp& other, double k);
  void MorphRightGradient(const TEffectBmp& other, double k);
  void MorphLeftSlide(const TEffectBmp& other, double k);
  void MorphRightSlide(const TEffectBmp& other, double k);
  void MorphPush(const TEffectBmp& other, double k);
  // The morph a skin's "morphkind" selects.
  void Morph(TMorphKind kind, const TEffectBmp& other, double k);

  void Brighten(double x);
  void Darken(double x);
  void Grayscale();
  void Invert();
  // Adds r − amount div 2 to every byte of a pixel, r drawn from 0..amount − 1 per pixel.
  // An amount below 1 changes nothing.
  void AddNoise(int amount, QRandomGenerator* random = nullptr);
  // Each channel becomes the sum of the four pixels `distance` away diagonally (a side that
  // would leave the picture stays at the pixel's own row or column), shifted right by 2. Rows
  // are done from the top, in place. A distance below 1 changes nothing.
  void SplitBlur(int distance);
  // other(x, H − 1 − y) = this(x, y); nothing when the sizes differ.
  void FlipInto(TEffectBmp& other) const;

  // The effect an inactive window's frame gets, with the amounts the frame uses.
  void ApplyInActiveEffect(TSkinEffect effect);

 private:
  // Mixes column range [x0, x1] of every row with weights from `weight(x)`.
  template <typename WeightOf>
  void MixColumns(const TEffectBmp& other, int x0, int x1, WeightOf weight);
  template <typename WeightOf>
  void MixRows(const TEffectBmp& other, int y0, int y1, WeightOf weight);
};

// Round to nearest, ties to even, clamped to a byte.
std::uint8_t RoundByte(double value);
