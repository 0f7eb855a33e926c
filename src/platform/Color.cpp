// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Color.h"

#include <array>

namespace {

// The classic desktop palette, indexed by system colour number.
constexpr std::array<TColor, 31> kSystemPalette = {
    RGBColor(192, 192, 192),  // scroll bar
    RGBColor(0, 128, 128),    // desktop background
    RGBColor(0, 0, 128),      // active caption
    RGBColor(128, 128, 128),  // inactive caption
    RGBColor(192, 192, 192),  // menu
    RGBColor(255, 255, 255),  // window
    RGBColor(0, 0, 0),        // window frame
    RGBColor(0, 0, 0),        // menu text
    RGBColor(0, 0, 0),        // window text
    RGBColor(255, 255, 255),  // caption text
    RGBColor(192, 192, 192),  // active border
    RGBColor(192, 192, 192),  // inactive border
    RGBColor(128, 128, 128),  // application workspace
    RGBColor(0, 0, 128),      // highlight
    RGBColor(255, 255, 255),  // highlight text
    RGBColor(192, 192, 192),  // button face
    RGBColor(128, 128, 128),  // button shadow
    RGBColor(128, 128, 128),  // grey text
    RGBColor(0, 0, 0),        // button text
    RGBColor(192, 192, 192),  // inactive caption text
    RGBColor(255, 255, 255),  // button highlight
    RGBColor(0, 0, 0),        // 3D dark shadow
    RGBColor(223, 223, 223),  // 3D light
    RGBColor(0, 0, 0),        // info text
    RGBColor(255, 255, 225),  // info background
    RGBColor(180, 180, 180),  // (unused slot)
    RGBColor(0, 0, 255),      // hot light
    RGBColor(16, 132, 208),   // gradient active caption
    RGBColor(181, 181, 181),  // gradient inactive caption
    RGBColor(49, 106, 197),   // menu highlight
    RGBColor(236, 233, 216),  // menu bar
};

}  // namespace

TColor ColorToRGB(TColor color) {
  if (color < 0) {  // any negative value names a system colour
    const int index = color & 0xFF;
    return index < int(kSystemPalette.size()) ? kSystemPalette[index] : clBlack;
  }
  return color & 0x00FFFFFF;
}

QColor ToQColor(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) { return RGBColor(color.red(), color.green(), color.blue()); }
