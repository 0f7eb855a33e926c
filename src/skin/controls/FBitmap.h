// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The 24-bit copy of a bitmap that mask scanning reads, made for the span of one call.
#include "skin/controls/PixelBuffer24.h"

class TFBitmap : public TPixelBuffer24 {
 public:
  explicit TFBitmap(const TBitmap& source) : TPixelBuffer24(source) {}

  // True when the pixel's three bytes are all 0: the mask's "belongs to the surface".
  bool IsBlack(int x, int y) const {
    const std::uint8_t* p = Row(y) + 3 * x;
    return (p[0] | p[1] | p[2]) == 0;
  }
};
