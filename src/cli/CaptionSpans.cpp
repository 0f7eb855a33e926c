// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CaptionSpans.h"

#include <algorithm>
#include <cmath>

CaptionSpans::CaptionSpans(const QFont& font, const QString& caption) : caption_(caption), layout_(caption, font) {
  layout_.beginLayout();
  line_ = layout_.createLine();
  layout_.endLayout();
  cursors_.push_back(0);
  for (int at = 0; at < caption.size();) {
    const int next = layout_.nextCursorPosition(at);
    if (next <= at) break;
    cursors_.push_back(at = next);
  }
}

QString CaptionSpans::TextWithin(int left, int right) const {
  // Boundaries grow from left to right: the first at or past `left` starts the text, the last
  // at or before `right` ends it.
  std::size_t low = 0, high = cursors_.size();
  while (low < high) {
    const std::size_t middle = (low + high) / 2;
    if (std::floor(X(middle)) >= left) high = middle;
    else low = middle + 1;
  }
  const std::size_t first = low;
  low = first, high = cursors_.size();
  while (low < high) {
    const std::size_t middle = (low + high) / 2;
    if (std::ceil(X(middle)) <= right) low = middle + 1;
    else high = middle;
  }
  if (low <= first + 1) return QString();
  const std::size_t last = low - 1;
  return caption_.mid(cursors_[first], cursors_[last] - cursors_[first]);
}

std::pair<int, int> CaptionSpans::ColumnsOf(int position) const {
  const auto after = std::upper_bound(cursors_.begin(), cursors_.end(), position);
  if (after == cursors_.begin() || after == cursors_.end()) return {0, 0};
  const double a = X(std::size_t(after - cursors_.begin() - 1)), b = X(std::size_t(after - cursors_.begin()));
  return {int(std::floor(std::min(a, b))), int(std::ceil(std::max(a, b)))};
}
