// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The console's fonts: "宋体" in the GB2312 character set.
#include "platform/Font.h"

// "宋体", GB2312, at the given pixel height (platform sign convention) and colour.
TFont ConsoleFont(int height, TColor color);
// The caption font the console starts with: pure red, 19 pixels.
TFont InitialCaptionFont();
