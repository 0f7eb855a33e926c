// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Where the proof sheet puts things. A sheet is a header and rows; each row has a label column
// and three slots of one frame's width. A line that is sent as one frame takes one row: the
// frame in the middle slot and, when it is cut, the columns it loses in the slots beside it
// (those nearest the frame, when more are lost than a slot holds). A line sent as pages lays
// them out three to a row, page 0 in the first slot. Every LED is a square dot of `kDotSize`
// on a pitch of `kPitch` sheet pixels; the gaps between dots are left for outlines.
#include <QPoint>

#include "wire/LedFrame.h"

namespace proof_sheet {

constexpr int kPitch = 4;
constexpr int kDotSize = 3;
constexpr int kSlots = 3;
constexpr int kFrameSlot = 1;
constexpr int kSlotWidth = kLedWidth * kPitch;
constexpr int kRowHeight = kLedHeight * kPitch;
constexpr int kRowPitch = kRowHeight + 14;
constexpr int kMargin = 20;
constexpr int kHeaderHeight = 30;
constexpr int kLabelWidth = 220;
constexpr int kRowsPerSheet = 22;
constexpr int kSheetWidth = 2 * kMargin + kLabelWidth + kSlots * kSlotWidth;

constexpr int SheetHeight(int rows) { return 2 * kMargin + kHeaderHeight + rows * kRowPitch; }

// The top-left sheet pixel of LED (0, 0) of a slot in a row of the sheet.
constexpr QPoint SlotOrigin(int row, int slot) {
  return {kMargin + kLabelWidth + slot * kSlotWidth, kMargin + kHeaderHeight + row * kRowPitch};
}

// A sheet pixel inside the dot of LED (x, y) of the slot at `origin`.
constexpr QPoint DotCentre(QPoint origin, int x, int y) {
  return {origin.x() + x * kPitch + kDotSize / 2, origin.y() + y * kPitch + kDotSize / 2};
}

// Rows a line takes: one for a frame, a row per three pages.
constexpr int RowsFor(int pages, bool paged) { return paged ? (pages + kSlots - 1) / kSlots : 1; }

}  // namespace proof_sheet
