// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/CaptionFont.h"

TFont ConsoleFont(int height, TColor color) {
  TFont font;
  font.Name = QStringLiteral("宋体");
  font.Charset = GB2312_CHARSET;
  font.Height = height;
  font.Color = color;
  return font;
}

TFont InitialCaptionFont() { return ConsoleFont(-19, clRed); }
