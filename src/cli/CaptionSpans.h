// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A caption laid out as the frame draws it, to tell where its characters lie: each character
// with the marks that go with it covers the pixel columns between two cursor positions, counted
// from the caption's left edge. Only the positions asked for are measured (each measurement
// walks the line), so a long caption costs a few of them, not one per character.
#include <QFont>
#include <QString>
#include <QTextLayout>
#include <utility>
#include <vector>

class CaptionSpans {
 public:
  CaptionSpans(const QFont& font, const QString& caption);

  // The text of the characters that lie wholly within pixel columns [left, right).
  QString TextWithin(int left, int right) const;
  // The columns [first, last) of the character at text position `position`; a column partly
  // covered counts as covered.
  std::pair<int, int> ColumnsOf(int position) const;

 private:
  double X(std::size_t cursor) const { return line_.cursorToX(cursors_[cursor]); }

  QString caption_;
  QTextLayout layout_;
  QTextLine line_;
  std::vector<int> cursors_;  // the character boundaries, 0 and the caption's end included
};
