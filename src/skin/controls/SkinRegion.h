// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Window regions cut from mask pictures: a pixel whose red, green and blue are all 0 belongs to
// the surface, every other pixel is cut away. "No region" (std::nullopt) tells the caller to
// keep the full rectangle; an empty region hides the whole surface.
#include <QRegion>
#include <optional>

#include "skin/controls/SkinDrawStrips.h"

// One rectangle per maximal run of black pixels in each row, moved by (dx, dy). No region for an
// empty mask. Every run is kept, however many the mask yields.
std::optional<QRegion> MaskToRegion(const TBitmap& mask, int dx, int dy);

// The four border strips of a resized nine-part surface cut from its mask M (the mask of the
// skin rectangle): the top strip W × CR.Top, the bottom strip W × (height(M) − CR.Bottom), the
// side strips as wide as M's side bands and as high as the resized client rectangle. Unfilled
// strip pixels are white, so they are outside.
void BuildNinePartMaskStrips(const NinePartSkin& skin, const NinePartSkin& sized, const TBitmap& mask, int W,
                             TBorderStrips& strips);

// The union of the strips' mask regions (top at (0, 0), bottom at (0, client bottom), left at
// (0, client top), right at (client right, client top)) and the whole client rectangle `client`.
// No region when `client` is empty.
std::optional<QRegion> BorderStripsRegion(const TBorderStrips& strips, const TRect& client);

// The outline of a nine-part surface resized to W × H: the mask's border strips plus the whole
// resized client rectangle, whatever the mask holds there. No region when the resized points
// cross, the resized client rectangle is empty or the mask is empty.
std::optional<QRegion> NinePartMaskRegion(const NinePartSkin& skin, const NinePartSkin& sized, const TBitmap& mask,
                                          int W, int H);
