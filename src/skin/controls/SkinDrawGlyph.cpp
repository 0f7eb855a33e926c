// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinDrawGlyph.h"

#include <functional>

#include "platform/Bitmap.h"
#include "platform/ImageList.h"
#include "skin/controls/SkinText.h"

void DrawGlyphCell(TCanvas& canvas, int x, int y, int cell, int cellCount, const TBitmap& strip) {
  if (strip.Empty() || cellCount < 1) return;
  const int cw = strip.Width() / cellCount;
  const int height = strip.Height();
  if (cw < 1) return;
  const QImage& bits = strip.Image();
  const int x0 = cw * (cell - 1);
  // The cell's own bottom-left pixel names its transparent colour.
  const QRgb transparent = bits.valid(x0, height - 1) ? bits.pixel(x0, height - 1) : qRgb(255, 255, 255);
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < cw; ++col) {
      const int sx = x0 + col;
      if (!bits.valid(sx, row)) continue;  // a cell beyond the strip has nothing to show
      const QRgb pixel = bits.pixel(sx, row);
      if ((pixel & 0xFFFFFF) == (transparent & 0xFFFFFF)) continue;
      canvas.SetPixel(x + col, y + row, FromQColor(QColor(pixel)));
    }
  }
}

TGlyphTextPlacement LayoutGlyphAndText(int layout, const TRect& rect, int gw, int gh, int tw, int th, int margin,
                                       int spacing) {
  const int cx = rect.Left + rect.Width() / 2;
  const int cy = rect.Top + rect.Height() / 2;
  TGlyphTextPlacement p;
  const bool centred = margin < 0;
  switch (layout) {
    case blGlyphLeft:
      if (centred) {
        const int m = (gw + tw + spacing) / 2;
        p.Glyph = {cx - m, cy - gh / 2};
        p.Text = {cx + m - tw, cy - th / 2};
      } else {
        p.Glyph = {rect.Left + margin, cy - gh / 2};
        p.Text = {rect.Left + margin + gw + spacing, cy - th / 2};
      }
      break;
    case blGlyphRight:
      if (centred) {
        const int m = (gw + tw + spacing) / 2;
        p.Text = {cx - m, cy - th / 2};
        p.Glyph = {cx + m - gw, cy - gh / 2};
      } else {
        p.Glyph = {rect.Right - gw - margin, cy - gh / 2};
        p.Text = {p.Glyph.X - spacing - tw, cy - th / 2};
      }
      break;
    case blGlyphTop:
      if (centred) {
        const int v = (th + gh + spacing) / 2;
        p.Glyph = {cx - gw / 2, cy - v};
        p.Text = {cx - tw / 2, cy + v - th};
      } else {
        p.Glyph = {cx - gw / 2, rect.Top + margin};
        p.Text = {cx - tw / 2, p.Glyph.Y + gh + spacing};
      }
      break;
    case blGlyphBottom:
      if (centred) {
        const int v = (th + gh + spacing) / 2;
        p.Text = {cx - tw / 2, cy - v};
        p.Glyph = {cx - gw / 2, cy + v - gh};
      } else {
        p.Glyph = {cx - gw / 2, rect.Bottom - gh - margin};
        p.Text = {cx - tw / 2, p.Glyph.Y - spacing - th};
      }
      break;
    default:
      break;
  }
  return p;
}

namespace {

// Steps 2 to 4 shared by both captions: measure, place, draw the caption; then the glyph.
void DrawWithCaption(TCanvas& canvas, const TRect& rect, int margin, int spacing, int layout, const QString& caption,
                     int gw, int gh, bool pressedOffset, const std::function<void(TPoint)>& drawGlyph) {
  int tw = 0, th = 0;
  if (!caption.isEmpty()) {
    TRect room{0, 0, rect.Width(), rect.Height()};
    if (layout == blGlyphLeft || layout == blGlyphRight) room.Right -= gw;
    else room.Bottom -= gh;
    DrawTextAuto(canvas, caption, room, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
    tw = room.Width();
    th = room.Height();
  }
  canvas.Brush.Style = TBrushStyle::bsClear;
  TGlyphTextPlacement p = LayoutGlyphAndText(layout, rect, gw, gh, tw, th, margin, spacing);
  if (pressedOffset) {
    p.Glyph = {p.Glyph.X + 1, p.Glyph.Y + 1};
    p.Text = {p.Text.X + 1, p.Text.Y + 1};
  }
  TRect textRect{p.Text.X, p.Text.Y, p.Text.X + tw + 2, p.Text.Y + th};
  DrawTextAuto(canvas, caption, textRect, DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
  drawGlyph(p.Glyph);
}

}  // namespace

void DrawGlyphAndCaption(TCanvas& canvas, const TRect& rect, int margin, int spacing, int layout,
                         const QString& caption, const TBitmap& glyph, int cellCount, int cell, bool pressedOffset) {
  const bool hasGlyph = !glyph.Empty() && cellCount >= 1;
  const int gw = hasGlyph ? glyph.Width() / cellCount : 0;
  const int gh = hasGlyph ? glyph.Height() : 0;
  DrawWithCaption(canvas, rect, margin, spacing, layout, caption, gw, gh, pressedOffset,
                  [&](TPoint at) { DrawGlyphCell(canvas, at.X, at.Y, cell, cellCount, glyph); });
}

void DrawImageAndCaption(TCanvas& canvas, const TRect& rect, int margin, int spacing, int layout,
                         const QString& caption, const TCustomImageList* images, int imageIndex, bool enabled,
                         bool pressedOffset) {
  const bool hasImage = images && imageIndex >= 0 && imageIndex < images->Count();
  const int gw = hasImage ? images->Width() : 0;
  const int gh = hasImage ? images->Height() : 0;
  DrawWithCaption(canvas, rect, margin, spacing, layout, caption, gw, gh, pressedOffset, [&](TPoint at) {
    if (hasImage) images->Draw(canvas, at.X, at.Y, imageIndex, enabled);
  });
}
