// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The per-line settings: line i of the caption list owns entry i, for lines 0..1000. The table
// never grows or shrinks.
#include <array>
#include <cstdint>

struct LineSetting {
  std::int32_t Speed = 0;
  std::int32_t Dwell = 5;
  std::int32_t Mode = 0;

  friend bool operator==(const LineSetting&, const LineSetting&) = default;
};

constexpr int kLineSettingCount = 1001;

// Value-initialised, every entry holds the defaults Speed 0, Dwell 5, Mode 0.
using LineSettingTable = std::array<LineSetting, kLineSettingCount>;

inline void ResetLineSettings(LineSettingTable& table) { table.fill(LineSetting{}); }

// Whether caption line `line` owns an entry (no line is selected: -1; lines from 1001 on: none).
constexpr bool HasLineSetting(int line) { return line >= 0 && line < kLineSettingCount; }

// The settings a caption line is saved and shown with: its entry, or the defaults for lines that
// have none.
inline LineSetting SettingOfLine(const LineSettingTable& table, int line) {
  return HasLineSetting(line) ? table[std::size_t(line)] : LineSetting{};
}
