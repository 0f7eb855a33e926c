// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The rows of the LED frame outside the sign's 16 that hold ink: the rows a caption loses above
// row 0 and below row 15. A set of rows, not a range: a caption may lose rows -1 and -3 but not -2.
#include <cstdint>
#include <vector>

class LostRows {
 public:
  // Rows 0..15 are the sign's and are not kept.
  void AddRow(int frameRow);
  void Add(const LostRows& other);
  void Clear();

  bool Empty() const { return above_.empty() && below_.empty(); }
  int Above() const { return Count(above_); }
  int Below() const { return Count(below_); }

 private:
  static int Count(const std::vector<std::uint64_t>& rows);
  static void Set(std::vector<std::uint64_t>& rows, int index);
  static void Merge(std::vector<std::uint64_t>& into, const std::vector<std::uint64_t>& rows);

  // Bit i of `above_` is row -1-i, bit i of `below_` row 16+i; no words where no rows are lost.
  std::vector<std::uint64_t> above_;
  std::vector<std::uint64_t> below_;
};
