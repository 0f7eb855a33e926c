// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "sign/SignEffects.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Where pixel (x, y) of the matrix takes its light from: a pixel of the page, or nowhere.
struct Source {
  int x, y;
  bool shown = true;
};

Source Shifted(int x, int y) { return {x, y}; }
Source RevealedIf(bool shown, int x, int y) { return {x, y, shown}; }

Source SourceOf(int mode, int x, int y, int step) {
  const int columns = step;                                  // 0..192 brought in
  const int blocks = step / 8 * 8;                           // the same in jumps of eight
  const int rows = step * kLedHeight / kEffectSteps;         // 0..16 brought in
  const int fromCentreX = std::abs(2 * x + 1 - kLedWidth);   // 1..191, in half pixels
  const int fromCentreY = std::abs(2 * y + 1 - kLedHeight);  // 1..15
  switch (mode) {
    case 2: return Shifted(x + (kLedWidth - columns), y);  // move in from the left
    case 3: return Shifted(x, y - (kLedHeight - rows));    // roll in upwards
    case 4: return Shifted(x, y + (kLedHeight - rows));    // roll in downwards
    case 5: return Shifted(x - (kLedWidth - blocks), y);   // jump in from the right
    case 6: return RevealedIf(x < columns, x, y);
    case 7: return RevealedIf(x >= kLedWidth - columns, x, y);
    case 8: return RevealedIf(y >= kLedHeight - rows, x, y);
    case 9: return RevealedIf(y < rows, x, y);
    case 10: return RevealedIf(fromCentreX < columns, x, y);
    case 11: return RevealedIf(fromCentreX >= kLedWidth - columns, x, y);
    case 12: return RevealedIf(fromCentreY < rows, x, y);
    case 13: return RevealedIf(fromCentreY >= kLedHeight - rows, x, y);
    case 14: return RevealedIf(x < blocks, x, y);
    case 15: return RevealedIf(x >= kLedWidth - blocks, x, y);
    case 16: return Shifted(x + (kLedWidth - blocks), y);
    case 17: return Shifted(x - (kLedWidth - blocks), y);
    // Row by row: each row fills from left to right before the next begins.
    case 18: return RevealedIf(y * kLedWidth + x < step * kLedHeight, x, y);
    case 19: return RevealedIf((kLedHeight - 1 - y) * kLedWidth + x < step * kLedHeight, x, y);
    default: return Shifted(x, y);
  }
}

bool LitAt(const LedPage& page, const Source& source) {
  return source.shown && source.x >= 0 && source.x < kLedWidth && source.y >= 0 && source.y < kLedHeight &&
         page.IsLit(source.x, source.y);
}

}  // namespace

int EffectSteps(int mode) { return mode >= 2 && mode <= 19 ? kEffectSteps : 0; }

LedPage EffectFrame(int mode, const LedPage& page, int step) {
  if (step >= EffectSteps(mode)) return page;
  LedPage frame;
  for (int y = 0; y < kLedHeight; ++y)
    for (int x = 0; x < kLedWidth; ++x)
      if (LitAt(page, SourceOf(mode, x, y, std::max(step, 0)))) frame.SetLit(x, y, true);
  return frame;
}

int ScrollSteps(int pageCount) { return pageCount * kLedWidth; }

LedPage ScrollFrame(const std::vector<LedPage>& pages, int step) {
  LedPage frame;
  const int length = ScrollSteps(int(pages.size()));
  step = std::clamp(step, 0, length);
  for (int x = 0; x < kLedWidth; ++x) {
    const int column = x + step - kLedWidth;  // in the strip of all pages side by side
    if (column < 0 || column >= length) continue;
    const LedPage& page = pages[std::size_t(column / kLedWidth)];
    for (int y = 0; y < kLedHeight; ++y)
      if (page.IsLit(column % kLedWidth, y)) frame.SetLit(x, y, true);
  }
  return frame;
}
