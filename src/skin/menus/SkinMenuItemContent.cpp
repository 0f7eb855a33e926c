// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/menus/SkinMenuItemContent.h"

#include "platform/Canvas.h"
#include "platform/ImageList.h"
#include "skin/controls/SkinDrawGlyph.h"
#include "skin/controls/SkinDrawMarks.h"
#include "skin/controls/SkinText.h"
#include "skin/menus/SkinMenuGlyphs.h"
#include "skin/menus/SkinMenuItem.h"

namespace {

int CentreOf(int start, int length, int size) { return start + (length - size) / 2; }

void DrawCaptionAndShortCut(TCanvas& canvas, const TSkinMenuItem& item, const TMenuItemContentLayout& layout) {
  TRect measured{layout.CaptionLeft, 0, layout.ShortCutRight, 0};
  DrawTextAuto(canvas, item.Caption(), measured, DT_CALCRECT);
  const int top = CentreOf(layout.Band.Top, layout.Band.Height(), measured.Height());
  TRect caption{layout.CaptionLeft, top, layout.CaptionLeft + measured.Width() + 2, top + measured.Height()};
  DrawTextAuto(canvas, item.Caption(), caption, layout.CaptionAlign | DT_VCENTER);
  if (item.ShortCutText().isEmpty()) return;
  TRect shortCut{layout.CaptionLeft, top, layout.ShortCutRight, top + measured.Height()};
  DrawTextAuto(canvas, item.ShortCutText(), shortCut, DT_RIGHT | DT_VCENTER | DT_NOPREFIX);
}

// The item's own picture, else its image-list picture; false when it has neither.
bool DrawPicture(TCanvas& canvas, const TSkinMenuItem& item, const TMenuItemContentLayout& layout,
                 const TMenuItemColors& colors, const TCustomImageList* images) {
  const bool ownBitmap = !item.Bitmap().Empty();
  const bool listed = images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count();
  if (!ownBitmap && !listed) return false;
  const int w = ownBitmap ? item.Bitmap().Width() : images->Width();
  const int h = ownBitmap ? item.Bitmap().Height() : images->Height();
  const TRect& area = layout.ImageArea;
  const int x = layout.CentreImage ? CentreOf(area.Left, area.Width(), w) : area.Left;
  const int y = CentreOf(area.Top, area.Height(), h);
  if (ownBitmap) DrawGlyphCell(canvas, x, y, 1, 1, item.Bitmap());
  else images->Draw(canvas, x, y, item.ImageIndex(), item.Enabled());
  if (item.Checked()) {
    canvas.Pen.Color = colors.Marks;
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Rectangle(x - 1, y - 1, x + w + 1, y + h + 1);
  }
  return true;
}

void DrawMark(TCanvas& canvas, const TSkinMenuItem& item, const TMenuItemContentLayout& layout, TColor color) {
  if (DrawCommandGlyph(canvas, item.Name(), layout.Glyph.X, layout.Glyph.Y, color) || !item.Checked()) return;
  if (item.RadioItem()) DrawRadioDot(canvas, layout.RadioDot.X, layout.RadioDot.Y, color);
  else DrawCheckMark(canvas, layout.CheckMark.X, layout.CheckMark.Y, color);
}

}  // namespace

void DrawMenuItemContent(TCanvas& canvas, const TSkinMenuItem& item, const TMenuItemContentLayout& layout,
                         const TMenuItemColors& colors, bool active, const TCustomImageList* images) {
  canvas.Font.Color = colors.Text;
  canvas.Brush.Style = TBrushStyle::bsClear;
  if (item.OwnerDrawn()) {
    if (TMenuItem* owner = item.MenuItem(); owner && owner->OnDrawItem)
      owner->OnDrawItem(owner, canvas, layout.Band, active);
    return;
  }
  DrawCaptionAndShortCut(canvas, item, layout);
  if (item.HasChildren())
    DrawSubMenuArrow(canvas, layout.ArrowLeft, layout.Band.Top + layout.Band.Height() / 2 - 4, colors.Text);
  if (!DrawPicture(canvas, item, layout, colors, images)) DrawMark(canvas, item, layout, colors.Marks);
}
