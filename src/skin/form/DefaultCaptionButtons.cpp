// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The look of the default frame's caption buttons: a face of the object's size with a glyph
// drawn in lines (close cross, maximise box or restore boxes, minimise bar, system-menu bar,
// roll-up triangle, tray square).
#include <QPainter>

#include "platform/Canvas.h"
#include "skin/form/SkinForm.h"

namespace {

constexpr TColor kPressedFace = 11899781;
constexpr TColor kHoverFace = 13811126;

void Line(TCanvas& c, int x0, int y0, int x1, int y1) {
  c.MoveTo(x0, y0);
  c.LineTo(x1, y1);
}

void Outline(TCanvas& c, int l, int t, int r, int b) {
  c.Brush.Style = TBrushStyle::bsClear;
  c.Rectangle(l, t, r, b);
}

void RestoreGlyph(TCanvas& c, int x, int y) {
  Outline(c, x + 2, y, x + 10, y + 6);
  Outline(c, x + 2, y, x + 10, y + 2);
  Outline(c, x, y + 4, x + 7, y + 10);
  Outline(c, x, y + 4, x + 7, y + 6);
}

}  // namespace

void TSkinStdButtonObject::DrawDefaultLook(TCanvas& canvas) const {
  if (command_ == SkinCommand::cmSysMenu && SkinForm.ShowIcon()) {
    QPainter painter(canvas.Target());
    painter.drawPixmap(ObjectRect.Left, ObjectRect.Top, SkinForm.SmallIcon());
    return;
  }
  const int w = ObjectRect.Width(), h = ObjectRect.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap face(w, h);
  TCanvas& c = face.Canvas;
  const bool pressed = Down && MouseIn;
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Pen.Color = clNavy;
  if (pressed) {
    c.Brush.Color = kPressedFace;
    c.Rectangle(0, 0, w, h);
  } else if (MouseIn) {
    c.Brush.Color = kHoverFace;
    c.Rectangle(0, 0, w, h);
  } else {
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, w, h));
  }
  const int x = pressed ? Div(w, 2) - 4 : Div(w, 2) - 5;
  const int y = pressed ? Div(h, 2) - 3 : Div(h, 2) - 4;
  c.Pen.Color = Enabled ? clBtnText : clBtnShadow;
  switch (command_) {
    case SkinCommand::cmClose:
      Line(c, x + 1, y + 1, x + 9, y + 9);
      Line(c, x + 9, y + 1, x + 1, y + 9);
      Line(c, x + 2, y + 1, x + 10, y + 9);
      Line(c, x + 8, y + 1, x, y + 9);
      break;
    case SkinCommand::cmMaximize:
      if (SkinForm.InRestoreState(command_)) {
        RestoreGlyph(c, x, y);
      } else {
        Outline(c, x, y, x + 11, y + 10);
        Outline(c, x, y, x + 11, y + 2);
      }
      break;
    case SkinCommand::cmMinimize:
      if (SkinForm.InRestoreState(command_)) {
        RestoreGlyph(c, x, y);
      } else {
        Line(c, x + 1, y + 8, x + 9, y + 8);
        Line(c, x + 1, y + 9, x + 9, y + 9);
      }
      break;
    case SkinCommand::cmSysMenu: Outline(c, x + 1, y + 3, x + 9, y + 6); break;
    case SkinCommand::cmRollUp:
      for (int i = 0; i <= 4; ++i) {
        if (SkinForm.InRestoreState(command_)) Line(c, x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i);
        else Line(c, x + i + 1, y + 6 - i, x + 9 - i, y + 6 - i);
      }
      break;
    case SkinCommand::cmMinimizeToTray:
      c.Brush.Style = TBrushStyle::bsSolid;
      c.Brush.Color = c.Pen.Color;
      c.FillRect(Rect(x + 2, y + 2, x + 7, y + 7));
      break;
    default: break;
  }
  canvas.Draw(ObjectRect.Left, ObjectRect.Top, face);
}
