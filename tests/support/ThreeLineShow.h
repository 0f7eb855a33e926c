// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The short show the process tests give the console to restore at start: its second line is much
// wider than the sign and scrolls in (mode 1, several pages).
#include <QStringList>

#include "show/ShowDocument.h"

inline const QStringList kThreeLines = {QStringLiteral("第一幕：春"),
                                        QStringLiteral("A caption that is much wider than the sign"),
                                        QStringLiteral("谢谢观看")};

// Writes it as "lw1.ini" in the current folder, with `thirdMode` as line 3's own mode.
inline void WriteThreeLineShow(int thirdMode = 0) {
  ShowDocument show;
  show.Lines = kThreeLines;
  show.Settings[1].Mode = 1;
  show.Settings[2].Mode = thirdMode;
  show.Save(QStringLiteral("lw1.ini"));
}
