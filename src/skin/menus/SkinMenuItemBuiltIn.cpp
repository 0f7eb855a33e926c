// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The built-in look of a menu line: an image column in the button face colour beside the window
// colour, a framed light-blue bar under the pointer, and a grey line for a separator.
#include "platform/Bitmap.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinMenuItemContent.h"
#include "skin/menus/SkinMenuItemPaint.h"
#include "skin/menus/SkinMenuLook.h"

namespace {
constexpr TColor kActiveFrame = 0x800000;
constexpr TColor kActiveFill = 0xD2BDB6;
}  // namespace

void PaintBuiltInMenuItem(TBitmap& target, const TSkinMenuItem& item, const TMenuItemPaintContext& context) {
  const int W = item.Rect.Width(), H = item.Rect.Height();
  target.SetSize(W, H);
  TCanvas& c = target.Canvas;
  const int g = context.ImageColumnWidth;
  const bool active = item.Active() && !item.IsLine();
  c.Brush.Style = TBrushStyle::bsSolid;
  TMenuItemColors colors;
  if (active) {
    c.Pen.Color = kActiveFrame;
    c.Brush.Color = kActiveFill;
    c.Rectangle(0, 0, W, H);
  } else {
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, g, H));
    c.Brush.Color = clWindow;
    c.FillRect(Rect(g, 0, W, H));
    if (!item.Enabled()) colors.Text = clBtnShadow;
  }
  colors.Marks = colors.Text;
  if (item.IsLine()) {
    c.Pen.Color = clBtnShadow;
    c.MoveTo(g, H / 2);
    c.LineTo(W, H / 2);
    return;
  }

  const TRect inner{2, 2, W - 2, H - 2};
  const int centre = inner.Top + inner.Height() / 2;
  TMenuItemContentLayout layout;
  layout.Band = inner;
  layout.CaptionLeft = inner.Left + g;
  layout.CaptionAlign = DT_LEFT;
  layout.ShortCutRight = inner.Right - kMenuRightColumn;
  layout.ArrowLeft = inner.Right - 7;
  layout.ImageArea = {inner.Left + 2, inner.Top, inner.Right, inner.Bottom};
  layout.Glyph = {inner.Left + 2, centre - 4};
  layout.CheckMark = {inner.Left + 3, centre - 4};
  layout.RadioDot = {inner.Left + 3, centre - 3};
  c.Font = context.Look.Font;
  DrawMenuItemContent(c, item, layout, colors, active, context.Images);
}
