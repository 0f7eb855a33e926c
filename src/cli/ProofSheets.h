// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The proof sheets of a show: every caption line as the sign will show it, as lit LED dots on
// black, one row per line with its number, modes (stored, and sent when the run sends another)
// and findings; a cut line's lost columns shaded beside the frame, characters nothing can draw
// outlined. A translation track's line follows its caption line, labelled with its tag. Sheets are written as they fill:
// OUT.png, then OUT-2.png, OUT-3.png, ... (layout in ProofSheetLayout.h).
#include <QImage>
#include <QString>
#include <QStringList>

#include "cli/CaptionCheck.h"

class ProofSheets {
 public:
  ProofSheets(const QString& outPath, const QString& showName, const TFont& captionFont, int cellTop, int cellHeight);

  // `track` is the tag of the translation track the line belongs to; empty for a caption line.
  void Add(const LineCheck& check, const QString& text, const QString& track = QString());
  // Writes the sheet in progress; returns the paths of all sheets written. CliError on failure.
  QStringList Finish();

 private:
  // The next row; a full sheet is written first.
  int TakeRow();
  void WriteSheet();
  void DrawLabel(int row, const LineCheck& check, bool continued);
  void DrawFrameLine(int row, const LineCheck& check, const QString& text);
  void DrawPages(const LineCheck& check, const QString& text);
  // Outlines the characters nothing draws; the caption's column 0 lies at dot column
  // `firstColumn` of the slot at `origin`, and only dot columns [clipFrom, clipTo) are shown.
  void OutlineMissing(QPoint origin, const LineCheck& check, const QString& text, int firstColumn, int clipFrom,
                      int clipTo);

  QString outPath_;
  QString showName_;
  TFont font_;
  int cellTop_;
  int cellHeight_;
  TBitmap frame_;
  QImage sheet_;
  int rows_ = 0;          // rows used on the sheet in progress
  int line_ = 0;       // the line being drawn
  QString track_;      // its track's tag, if any
  int firstLine_ = 0;  // of the sheet in progress
  int lastLine_ = 0;   // the last line with a row on it
  QStringList written_;
};

// "OUT.png" for sheet 1, "OUT-2.png" for sheet 2, ...
QString SheetPath(const QString& outPath, int sheet);
