// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The mode index the mode selector shows while an operator runs a show, and so the mode byte
// every send carries: a click on a line shows the line's own mode, while Enter's step to the next
// line and a click on a line past the settings table leave the selector as it was. A show run
// with Enter from a click on its first line therefore goes out wholly in the first line's mode.
#include <cstddef>

#include "show/LineSettingTable.h"
#include "wire/DisplayModes.h"

class ShownMode {
 public:
  explicit constexpr ShownMode(int index = 0) : index_(index) {}

  // The operator selects line `line` (from 0) by click or arrow key.
  constexpr void Click(const LineSettingTable& table, int line) {
    if (HasLineSetting(line)) index_ = SentModeIndex(table[std::size_t(line)].Mode);
  }
  constexpr int Index() const { return index_; }

 private:
  int index_;
};
