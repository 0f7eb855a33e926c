// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The look of the default frame's caption buttons: a face of the object's size with a glyph
// drawn in lines (close cross, maximise box or restore boxes, minimise bar, system-menu bar,
// roll-up triangle, tray square).
#include <QPainter>
#include <optional>

#include "platform/Canvas.h"
#include "skin/controls/SkinDrawCaptionGlyphs.h"
#include "skin/form/SkinForm.h"

namespace {

constexpr TColor kPressedFace = 11899781;
constexpr TColor kHoverFace = 13811126;

// The glyph a command's button shows; a button whose action is in effect shows the way back.
std::optional<TCaptionGlyph> GlyphOf(SkinCommand command, bool inRestoreState) {
  switch (command) {
    case SkinCommand::cmClose: return TCaptionGlyph::Close;
    case SkinCommand::cmMaximize: return inRestoreState ? TCaptionGlyph::Restore : TCaptionGlyph::Maximize;
    case SkinCommand::cmMinimize: return inRestoreState ? TCaptionGlyph::Restore : TCaptionGlyph::Minimize;
    case SkinCommand::cmRollUp: return inRestoreState ? TCaptionGlyph::RollDown : TCaptionGlyph::RollUp;
    case SkinCommand::cmMinimizeToTray: return TCaptionGlyph::MinimizeToTray;
    case SkinCommand::cmSysMenu: return TCaptionGlyph::SystemMenu;
    default: return std::nullopt;
  }
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
  const int x = pressed ? w / 2 - 4 : w / 2 - 5;
  const int y = pressed ? h / 2 - 3 : h / 2 - 4;
  if (const auto glyph = GlyphOf(command_, SkinForm.InRestoreState(command_)))
    DrawCaptionGlyph(c, *glyph, x, y, Enabled ? clBtnText : clBtnShadow);
  canvas.Draw(ObjectRect.Left, ObjectRect.Top, face);
}
