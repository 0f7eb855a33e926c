// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinDrawMarks.h"

#include "platform/Canvas.h"

namespace {
// Lines include both ends here; LineTo leaves out the end point, hence the +1.
void VerticalLine(TCanvas& c, int x, int y0, int y1) {
  c.MoveTo(x, y0);
  c.LineTo(x, y1 + 1);
}
void HorizontalLine(TCanvas& c, int y, int x0, int x1) {
  c.MoveTo(x0, y);
  c.LineTo(x1 + 1, y);
}
}  // namespace

void DrawArrowMark(TCanvas& canvas, const TRect& rect, TColor color, int direction) {
  canvas.Pen.Color = color;
  const int cx = rect.Left + rect.Width() / 2;
  const int cy = rect.Top + rect.Height() / 2;
  switch (direction) {
    case adLeft:
      for (int i = 0; i <= 3; ++i) VerticalLine(canvas, cx - 2 + i, cy - i, cy + i);
      break;
    case adRight:
      for (int n = 3; n >= 0; --n) VerticalLine(canvas, cx + 2 - n, cy - n, cy + n);
      break;
    case adUp:
      for (int i = 0; i <= 3; ++i) HorizontalLine(canvas, cy - 2 + i, cx - i, cx + i);
      break;
    case adDown:
      for (int n = 3; n >= 0; --n) HorizontalLine(canvas, cy + 2 - n, cx - n, cx + n);
      break;
    default:
      break;
  }
}

void DrawCheckMark(TCanvas& canvas, int x, int y, TColor color) {
  canvas.Pen.Color = color;
  for (int i = 0; i <= 2; ++i) {
    canvas.MoveTo(x, y + 5 - i);
    canvas.LineTo(x + 2, y + 7 - i);
    canvas.LineTo(x + 7, y + 2 - i);
  }
}
