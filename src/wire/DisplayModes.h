// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The sign's twenty entry effects, in the order of their mode index.
#include <QString>
#include <QStringList>

constexpr int kDisplayModeCount = 20;
// The only mode whose packet carries the caption as consecutive pages.
constexpr int kScrollInFromRightMode = 1;

const QStringList& DisplayModeNames();
// The mode index a send of a line carries when the line's entry holds `entryMode`: showing the
// line selects that mode in the selector, and a value outside the list selects none (-1).
constexpr int SentModeIndex(int entryMode) { return entryMode >= 0 && entryMode < kDisplayModeCount ? entryMode : -1; }
// The name of a mode byte as the packet carries it; empty for a byte outside the table.
QString DisplayModeName(int modeIndex);
