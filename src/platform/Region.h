// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Regions of the desktop platform, held as QRegion: the handle-like functions that build and
// combine them. A window region is set with QWidget::setMask.
#include <QRegion>
#include <vector>

#include "platform/Types.h"

// CombineRgn modes and results with the platform's values.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

QRegion CreateRectRgn(int left, int top, int right, int bottom);
QRegion CreateRectRgnIndirect(const TRect& rect);

// Combines a and b into dest by mode; returns the kind of region that results.
int CombineRgn(QRegion& dest, const QRegion& a, const QRegion& b, int mode);

// The region made of rectangles listed in scan order (top to bottom, left to right within a
// row, rows not overlapping), as a region-data block lists them. Rows with the same runs are
// merged into one band, so a region built this way compares equal to the same area built any
// other way.
QRegion ExtCreateRegion(const std::vector<TRect>& rects);

bool PtInRegion(const QRegion& region, int x, int y);

// Number of pixels the region covers.
long long RegionArea(const QRegion& region);
