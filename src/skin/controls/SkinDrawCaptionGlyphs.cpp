// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinDrawCaptionGlyphs.h"

#include <array>
#include <initializer_list>

#include "platform/Canvas.h"

namespace {

// A line from (x0, y0) up to, not including, (x1, y1), as the canvas draws lines.
struct Line {
  int x0, y0, x1, y1;
};

void DrawLines(TCanvas& canvas, int x, int y, std::initializer_list<Line> lines) {
  for (const Line& l : lines) {
    canvas.MoveTo(x + l.x0, y + l.y0);
    canvas.LineTo(x + l.x1, y + l.y1);
  }
}

void DrawOutlines(TCanvas& canvas, int x, int y, std::initializer_list<TRect> outlines) {
  canvas.Brush.Style = TBrushStyle::bsClear;
  for (const TRect& r : outlines) canvas.Rectangle(x + r.Left, y + r.Top, x + r.Right, y + r.Bottom);
}

void Close(TCanvas& c, int x, int y) { DrawLines(c, x, y, {{1, 1, 9, 9}, {9, 1, 1, 9}, {2, 1, 10, 9}, {8, 1, 0, 9}}); }
void Minimize(TCanvas& c, int x, int y) { DrawLines(c, x, y, {{1, 8, 9, 8}, {1, 9, 9, 9}}); }
void Maximize(TCanvas& c, int x, int y) { DrawOutlines(c, x, y, {{0, 0, 11, 10}, {0, 0, 11, 2}}); }
void Restore(TCanvas& c, int x, int y) {
  DrawOutlines(c, x, y, {{2, 0, 10, 6}, {2, 0, 10, 2}, {0, 4, 7, 10}, {0, 4, 7, 6}});
}
void RollUp(TCanvas& c, int x, int y) {
  for (int i = 0; i <= 4; ++i) DrawLines(c, x, y, {{1 + i, 6 - i, 9 - i, 6 - i}});
}
void RollDown(TCanvas& c, int x, int y) {
  for (int i = 0; i <= 4; ++i) DrawLines(c, x, y, {{5 - i, 6 - i, 5 + i, 6 - i}});
}
void SystemMenu(TCanvas& c, int x, int y) { DrawOutlines(c, x, y, {{1, 3, 9, 6}}); }
void MinimizeToTray(TCanvas& c, int x, int y) {
  c.Brush.Style = TBrushStyle::bsSolid;
  c.FillRect(Rect(x + 2, y + 2, x + 7, y + 7));
}

// In the order of TCaptionGlyph.
constexpr std::array<void (*)(TCanvas&, int, int), 8> kGlyphs{Close,    Minimize,   Maximize,   Restore,
                                                               RollUp,   RollDown,   SystemMenu, MinimizeToTray};
static_assert(kGlyphs.size() == std::size_t(TCaptionGlyph::MinimizeToTray) + 1, "one drawing per glyph");

}  // namespace

void UseGlyphColor(TCanvas& canvas, TColor color) {
  canvas.Pen.Color = color;
  canvas.Pen.Width = 1;
  canvas.Brush.Color = color;
}

void DrawCaptionGlyph(TCanvas& canvas, TCaptionGlyph glyph, int x, int y, TColor color) {
  UseGlyphColor(canvas, color);
  kGlyphs[std::size_t(glyph)](canvas, x, y);
}
