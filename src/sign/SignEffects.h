// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// How the virtual sign brings pages onto its matrix. Each entry effect is our own approximation:
// the sign's controller decides the real ones. Pure functions of the step, so that a player can
// be driven tick by tick.
#include <vector>

#include "wire/DisplayPacketDecoder.h"

// Steps of every entry effect, one column each.
constexpr int kEffectSteps = kLedWidth;

// Steps of the effect of `mode`: 0 for a mode that shows the page at once (and for the
// scrolling mode, which ScrollFrame plays).
int EffectSteps(int mode);
// The matrix `step` steps into bringing in `page` with the effect of `mode` (the page itself
// from EffectSteps on). Moves start from a dark matrix.
LedPage EffectFrame(int mode, const LedPage& page, int step);

// The scrolling mode moves the pages in from the right one after the other, until the last one
// is in place: ScrollSteps steps, one column each.
int ScrollSteps(int pageCount);
LedPage ScrollFrame(const std::vector<LedPage>& pages, int step);
