// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The small line-drawn marks of skinned menus and controls.
#include "platform/Color.h"
#include "platform/Types.h"

class TCanvas;

enum TArrowDirection { adLeft = 1, adRight = 2, adUp = 3, adDown = 4 };

// A 4-line triangle centred in `rect`, pointing by `direction` (1 left, 2 right, 3 up,
// 4 down); any other value draws nothing.
void DrawArrowMark(TCanvas& canvas, const TRect& rect, TColor color, int direction);

// A check mark three lines thick whose top-left is near (x, y).
void DrawCheckMark(TCanvas& canvas, int x, int y, TColor color);
