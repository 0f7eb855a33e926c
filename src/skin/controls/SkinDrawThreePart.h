// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Surfaces that grow along one axis only: a fixed part at each end and a middle that tiles or
// stretches between them. A target shorter than both fixed parts still gets both, at 0 and at
// the far side (the right or lower one drawn last); the middle is then left out.
#include "platform/Types.h"

class TBitmap;

// Target W × height(S): the left L columns of S at 0, the right Rw columns at W − Rw, the middle
// between them.
void DrawHorzThreePartSkin(int L, int Rw, TBitmap& target, bool stretch, int W, const TRect& S,
                           const TBitmap& picture);
// Target width(S) × H: the top T rows at 0, the bottom Bh rows at H − Bh, the middle between.
void DrawVertThreePartSkin(int T, int Bh, TBitmap& target, bool stretch, int H, const TRect& S,
                           const TBitmap& picture);
