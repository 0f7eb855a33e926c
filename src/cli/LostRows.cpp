// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/LostRows.h"

#include <bit>

#include "wire/LedFrame.h"

void LostRows::AddRow(int frameRow) {
  if (frameRow < 0) Set(above_, -1 - frameRow);
  else if (frameRow >= kLedHeight) Set(below_, frameRow - kLedHeight);
}

void LostRows::Add(const LostRows& other) {
  Merge(above_, other.above_);
  Merge(below_, other.below_);
}

// Keeps the words' room: a check clears one set per caption line.
void LostRows::Clear() {
  above_.clear();
  below_.clear();
}

int LostRows::Count(const std::vector<std::uint64_t>& rows) {
  int count = 0;
  for (const std::uint64_t word : rows) count += std::popcount(word);
  return count;
}

void LostRows::Set(std::vector<std::uint64_t>& rows, int index) {
  const std::size_t word = std::size_t(index) / 64;
  if (rows.size() <= word) rows.resize(word + 1);
  rows[word] |= std::uint64_t(1) << (index % 64);
}

void LostRows::Merge(std::vector<std::uint64_t>& into, const std::vector<std::uint64_t>& rows) {
  if (into.size() < rows.size()) into.resize(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) into[i] |= rows[i];
}
