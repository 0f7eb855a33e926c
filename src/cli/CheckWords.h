// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The check's words for what the operator sets in the console: a mode by its number and the
// name the selector shows, a font size in pixels and in the points of the font dialog.
#include <QString>

#include "platform/Font.h"

// "1 (从右向左移入)"; "25 (none: 0xFF)" for an index outside the mode list.
QString ModeWithName(int modeIndex);
// "1 从右向左移入", for tables; "25 (none: 0xFF)" outside the list.
QString ModeLabel(int modeIndex);
// "19 px, 14 pt in 字体设置".
QString FontSizeWords(const TFont& font);
// What ends a cut: "; send it in mode 1 (从右向左移入), or shorten it by 153 px".
QString CutRemedy(int excessPixels);
