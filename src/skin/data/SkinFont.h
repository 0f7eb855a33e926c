// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The skin's text font where an entry names none: "Arial" at 14 pixels. Controls, hints, menus
// and the default frame without a skin start from the same font.
#include <QString>

#include "platform/Font.h"

inline constexpr char kSkinFontName[] = "Arial";
inline constexpr int kSkinFontHeight = 14;

inline QString SkinFontName() { return QString::fromLatin1(kSkinFontName); }

// The skin's default font in the given colour and style.
inline TFont SkinDefaultFont(TColor colour = clWindowText, TFontStyles style = {}) {
  TFont font;
  font.Name = SkinFontName();
  font.Height = kSkinFontHeight;
  font.Style = style;
  font.Color = colour;
  return font;
}
