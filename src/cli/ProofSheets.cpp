// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/ProofSheets.h"

#include <QFileInfo>
#include <QPainter>
#include <algorithm>

#include "cli/CaptionSpans.h"
#include "cli/CheckWords.h"
#include "cli/PngOutput.h"
#include "cli/ProofSheetLayout.h"
#include "show/CaptionFont.h"
#include "wire/DisplayModes.h"
#include "wire/DotColours.h"

using namespace proof_sheet;

namespace {

// What the sign does not show is grey.
constexpr QRgb kLostLit = qRgb(150, 125, 120);
constexpr QRgb kLostUnlit = qRgb(34, 34, 34);
const QColor kFrameEdge(110, 110, 110);
const QColor kMissingOutline(255, 210, 0);
const QColor kLabel(225, 225, 225);
const QColor kTrackLabel(140, 200, 255);
const QColor kFindingLabel(255, 170, 60);
const QColor kSeparator(60, 60, 60);

// Columns [from, from + count) of `source` as dots, from dot column `to` of the slot at `origin`.
void DrawDots(QImage& sheet, QPoint origin, const QImage& source, int from, int count, int to, QRgb lit, QRgb unlit) {
  for (int y = 0; y < kLedHeight; ++y) {
    const QRgb* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int c = 0; c < count; ++c) {
      const QRgb colour = IsLitPixel(pixels[from + c]) ? lit : unlit;
      const int left = origin.x() + (to + c) * kPitch, top = origin.y() + y * kPitch;
      for (int dy = 0; dy < kDotSize; ++dy) std::fill_n(reinterpret_cast<QRgb*>(sheet.scanLine(top + dy)) + left, kDotSize, colour);
    }
  }
}

// Dot columns [from, to) and rows [top, bottom) of the slot at `origin`, outlined in the gaps
// around them.
void Outline(QImage& sheet, QPoint origin, int from, int to, int top, int bottom, const QColor& colour) {
  QPainter painter(&sheet);
  painter.setPen(colour);
  painter.drawRect(QRect(origin.x() + from * kPitch - 1, origin.y() + top * kPitch - 1, (to - from) * kPitch,
                         (bottom - top) * kPitch));
}

// The stored mode, and the mode the frames are drawn in when the run sends another.
QString ModesLabel(const LineCheck& check) {
  if (SentModeIndex(check.mode) == check.sentMode) return QStringLiteral("mode ") + ModeLabel(check.mode);
  return QStringLiteral("mode %1, sent %2").arg(check.mode).arg(ModeLabel(check.sentMode));
}

QString FindingsLabel(const LineCheck& check) {
  QStringList kinds;
  for (const Finding& finding : check.findings) {
    QString kind = QLatin1String(FindingKindName(finding.kind));
    if (finding.kind == FindingKind::Cut) kind += QStringLiteral(" %1 | %2 px").arg(check.cutLeft).arg(check.cutRight);
    kinds << kind;
  }
  return kinds.join(QStringLiteral(", "));
}

}  // namespace

QString SheetPath(const QString& outPath, int sheet) {
  if (sheet == 1) return outPath;
  const QString suffix = QFileInfo(outPath).suffix();
  const QString number = QStringLiteral("-%1").arg(sheet);
  return suffix.isEmpty() ? outPath + number : outPath.chopped(suffix.size() + 1) + number + u'.' + suffix;
}

ProofSheets::ProofSheets(const QString& outPath, const QString& showName, const TFont& captionFont, int cellTop,
                         int cellHeight)
    : outPath_(outPath), showName_(showName), font_(captionFont), cellTop_(cellTop), cellHeight_(cellHeight),
      frame_(CreateLedFrame()) {}

void ProofSheets::Add(const LineCheck& check, const QString& text, const QString& track) {
  line_ = check.line;
  track_ = track;
  // The picture the send packs: the centred frame, then each page drawn over it in turn.
  RenderCentred(frame_, font_, text);
  if (check.sentMode == kScrollInFromRightMode) {
    DrawPages(check, text);
  } else {
    DrawFrameLine(TakeRow(), check, text);
  }
}

int ProofSheets::TakeRow() {
  if (!sheet_.isNull() && rows_ == kRowsPerSheet) WriteSheet();
  if (sheet_.isNull()) {
    sheet_ = QImage(kSheetWidth, SheetHeight(kRowsPerSheet), QImage::Format_RGB32);
    sheet_.fill(Qt::black);
    rows_ = 0;
    firstLine_ = line_;
  }
  lastLine_ = line_;
  return rows_++;
}

void ProofSheets::DrawFrameLine(int row, const LineCheck& check, const QString& text) {
  DrawLabel(row, check, false);
  const QPoint origin = SlotOrigin(row, 0);
  DrawDots(sheet_, origin, frame_.Image(), 0, kLedWidth, kFrameSlot * kLedWidth, kLitDotColour, kUnlitDotColour);
  const int shownLeft = std::min(check.cutLeft, kLedWidth), shownRight = std::min(check.cutRight, kLedWidth);
  if (shownLeft + shownRight > 0) {
    // The three slots' worth of the caption around the frame, drawn as the frame draws it.
    TBitmap around = CreateLedFrame();
    PrepareFrame(around, font_);
    around.SetSize(kSlots * kLedWidth, kLedHeight);
    around.Image().fill(Qt::black);
    around.Canvas.TextOut(kLedWidth - check.cutLeft, cellTop_, text);
    DrawDots(sheet_, origin, around.Image(), kLedWidth - shownLeft, shownLeft, kLedWidth - shownLeft, kLostLit, kLostUnlit);
    DrawDots(sheet_, origin, around.Image(), 2 * kLedWidth, shownRight, 2 * kLedWidth, kLostLit, kLostUnlit);
  }
  Outline(sheet_, SlotOrigin(row, kFrameSlot), 0, kLedWidth, 0, kLedHeight, kFrameEdge);
  // Text column c lies at dot column c - X of the frame, X = (192 - W) div 2.
  const int firstColumn = kFrameSlot * kLedWidth + (kLedWidth - check.width) / 2;
  OutlineMissing(origin, check, text, firstColumn, kLedWidth - shownLeft, 2 * kLedWidth + shownRight);
}

void ProofSheets::DrawPages(const LineCheck& check, const QString& text) {
  int row = 0;
  for (int page = 0; page < check.pages; ++page) {
    const int slot = page % kSlots;
    if (slot == 0) {
      row = TakeRow();
      // A line that goes on to the next sheet is labelled there again.
      if (page == 0 || row == 0) DrawLabel(row, check, page > 0);
    }
    DrawPage(frame_, text, page);
    const QPoint origin = SlotOrigin(row, slot);
    DrawDots(sheet_, origin, frame_.Image(), 0, kLedWidth, 0, kLitDotColour, kUnlitDotColour);
    Outline(sheet_, origin, 0, kLedWidth, 0, kLedHeight, kFrameEdge);
    OutlineMissing(origin, check, text, -kLedWidth * page, 0, kLedWidth);
  }
}

void ProofSheets::OutlineMissing(QPoint origin, const LineCheck& check, const QString& text, int firstColumn,
                                 int clipFrom, int clipTo) {
  if (check.missingGlyphs.empty()) return;
  const int top = std::max(cellTop_, 0), bottom = std::min(cellTop_ + cellHeight_, kLedHeight);
  const CaptionSpans spans(frame_.Canvas.Font.ToQFont(), text);
  for (const int position : check.missingGlyphs) {
    const auto [left, right] = spans.ColumnsOf(position);
    const int from = std::max(firstColumn + left, clipFrom), to = std::min(firstColumn + right, clipTo);
    if (from < to && top < bottom) Outline(sheet_, origin, from, to, top, bottom, kMissingOutline);
  }
}

void ProofSheets::DrawLabel(int row, const LineCheck& check, bool continued) {
  QPainter painter(&sheet_);
  const int top = SlotOrigin(row, 0).y();
  if (row > 0) {
    painter.setPen(kSeparator);
    painter.drawLine(kMargin, top - kRowPitch + kRowHeight + 7, kSheetWidth - kMargin, top - kRowPitch + kRowHeight + 7);
  }
  painter.setFont(ConsoleFont(-14, clWhite).ToQFont());
  painter.setPen(track_.isEmpty() ? kLabel : kTrackLabel);
  const QRect area(kMargin, top, kLabelWidth - 12, kRowHeight);
  const QString head = QStringLiteral("%1%2%3")
                           .arg(check.line)
                           .arg(track_.isEmpty() ? QString() : u' ' + track_)
                           .arg(continued ? QStringLiteral(" (continued)") : QString());
  painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, head + QStringLiteral("   ") + ModesLabel(check));
  painter.drawText(area.adjusted(0, 16, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("%1 px, %2 page%3").arg(check.width).arg(check.pages).arg(QLatin1String(check.pages == 1 ? "" : "s")));
  painter.setPen(kFindingLabel);
  painter.drawText(area.adjusted(0, 32, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, FindingsLabel(check));
}

void ProofSheets::WriteSheet() {
  QPainter painter(&sheet_);
  painter.setFont(ConsoleFont(-16, clWhite).ToQFont());
  painter.setPen(kLabel);
  const int sheet = int(written_.size()) + 1;
  const QString lines = rows_ == 0 ? QStringLiteral("no lines") : QStringLiteral("lines %1-%2").arg(firstLine_).arg(lastLine_);
  painter.drawText(QRect(kMargin, kMargin, kSheetWidth - 2 * kMargin, kHeaderHeight), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("%1   sheet %2   %3").arg(showName_).arg(sheet).arg(lines));
  painter.end();
  const QString path = SheetPath(outPath_, sheet);
  SavePng(sheet_.copy(0, 0, kSheetWidth, SheetHeight(rows_)), path);
  written_ << path;
  sheet_ = QImage();
  rows_ = 0;
}

QStringList ProofSheets::Finish() {
  // A show without lines still gets its (empty) sheet, so that the file asked for is there.
  if (written_.isEmpty() && sheet_.isNull()) {
    sheet_ = QImage(kSheetWidth, SheetHeight(0), QImage::Format_RGB32);
    sheet_.fill(Qt::black);
  }
  if (!sheet_.isNull()) WriteSheet();
  return written_;
}
