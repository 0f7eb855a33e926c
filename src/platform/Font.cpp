// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Font.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = std::int64_t(a) * b;
  const std::int64_t half = std::llabs(c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
  const std::int64_t result = negative ? -magnitude : magnitude;
  // A result beyond 32 bits is the failure value, as a zero divisor is.
  if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max()) return -1;
  return int(result);
}

int TFont::Size() const { return -MulDiv(Height, 72, kScreenPixelsPerInch); }

// The negation wraps as the platform's integer arithmetic does (only the lowest value stays).
void TFont::SetSize(int points) { Height = int(0u - unsigned(MulDiv(points, kScreenPixelsPerInch, 72))); }
