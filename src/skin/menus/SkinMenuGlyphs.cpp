// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/menus/SkinMenuGlyphs.h"

#include <array>

#include "platform/Canvas.h"
#include "skin/controls/SkinDrawCaptionGlyphs.h"

namespace {

struct CommandGlyph {
  const char* name;
  TCaptionGlyph glyph;
};

constexpr std::array<CommandGlyph, 8> kCommandGlyphs{{
    {"SF_CLOSE", TCaptionGlyph::Close},
    {"TRAY_SF_CLOSE", TCaptionGlyph::Close},
    {"SF_MINITEM", TCaptionGlyph::Minimize},
    {"SF_MAXITEM", TCaptionGlyph::Maximize},
    {"SF_RESTORE", TCaptionGlyph::Restore},
    {"TRAY_SF_RESTORE", TCaptionGlyph::Restore},
    {"SF_ROLLUP", TCaptionGlyph::RollUp},
    {"SF_MINTOTRAY", TCaptionGlyph::MinimizeToTray},
}};

}  // namespace

bool DrawCommandGlyph(TCanvas& canvas, const QString& itemName, int x, int y, TColor color) {
  for (const CommandGlyph& glyph : kCommandGlyphs) {
    if (itemName != QLatin1String(glyph.name)) continue;
    DrawCaptionGlyph(canvas, glyph.glyph, x, y, color);
    return true;
  }
  return false;
}

void DrawRadioDot(TCanvas& canvas, int x, int y, TColor color) {
  UseGlyphColor(canvas, color);
  canvas.Brush.Style = TBrushStyle::bsSolid;
  // A round 6 × 6 dot: the square without its four corner pixels.
  canvas.FillRect(Rect(x + 1, y, x + 5, y + 6));
  canvas.FillRect(Rect(x, y + 1, x + 6, y + 5));
}

void DrawSubMenuArrow(TCanvas& canvas, int x, int y, TColor color) {
  UseGlyphColor(canvas, color);
  for (int i = 0; i <= 3; ++i) {
    canvas.MoveTo(x + i, y + i);
    canvas.LineTo(x + i, y + 7 - i);
  }
}
