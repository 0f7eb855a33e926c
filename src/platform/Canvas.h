// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A drawing surface with the desktop platform's brush, pen and font, drawing into a QImage.
// Opaque text paints its cell background with the brush, as the platform's canvases do.
#include <QImage>
#include <QRegion>
#include <QString>
#include <vector>

#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Types.h"

class TBitmap;
class QPainter;

enum class TBrushStyle { bsSolid, bsClear };

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
};

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
};

// DrawText flags with the platform's values.
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_HIDEPREFIX = 0x00100000;

class TCanvas {
 public:
  explicit TCanvas(QImage* target = nullptr) : target_(target) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TBrush Brush;
  TPen Pen;
  TFont Font;

  QImage* Target() const { return target_; }
  void SetTarget(QImage* target) { target_ = target; }

  void FillRect(const TRect& rect);
  // Outline with the pen, inside filled with the brush; right and bottom exclusive.
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  // Draws from the pen position up to, not including, (x, y).
  void LineTo(int x, int y);
  TPoint PenPos() const { return penPos_; }

  void TextOut(int x, int y, const QString& text);
  TSize TextExtent(const QString& text) const;
  int TextWidth(const QString& text) const { return TextExtent(text).cx; }
  int TextHeight(const QString& text) const { return TextExtent(text).cy; }
  // Draws (or with DT_CALCRECT measures) text in a rectangle; returns the text height.
  int DrawText(const QString& text, TRect& rect, unsigned flags);

  void Draw(int x, int y, const TBitmap& source);
  void Draw(int x, int y, const QImage& source);
  // Copies a source rectangle into a destination rectangle, scaling nearest-neighbour.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
  void CopyRect(const TRect& dest, const QImage& source, const TRect& sourceRect);
  void StretchDraw(const TRect& dest, const TBitmap& source);

  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Clipping in device coordinates. Without a clip region the whole target is drawable.
  void IntersectClipRect(const TRect& rect);
  void ExcludeClipRect(const TRect& rect);
  void SelectClipRegion(const QRegion* region);  // nullptr removes clipping
  int SaveDC();
  void RestoreDC(int saved);  // -1: the most recently saved state
  bool HasClip() const { return clipped_; }
  QRegion ClipRegion() const;

 private:
  bool BeginPaint(QPainter& painter) const;
  QRect Bounds() const;

  QImage* target_;
  TPoint penPos_;
  bool clipped_ = false;
  QRegion clip_;
  struct SavedState {
    bool clipped;
    QRegion clip;
  };
  std::vector<SavedState> saved_;
};
