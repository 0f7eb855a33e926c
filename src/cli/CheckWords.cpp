// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CheckWords.h"

#include <cstdlib>

#include "console/DisplayModes.h"

QString ModeWithName(int modeIndex) {
  const QString name = DisplayModeName(modeIndex);
  return QString::number(modeIndex) + (name.isEmpty() ? QStringLiteral(" (none: 0xFF)") : QStringLiteral(" (") + name + u')');
}

QString ModeLabel(int modeIndex) {
  const QString name = DisplayModeName(modeIndex);
  return name.isEmpty() ? ModeWithName(modeIndex) : QString::number(modeIndex) + u' ' + name;
}

QString FontSizeWords(const TFont& font) {
  // The dialog offers points; the frame draws in pixels.
  return QStringLiteral("%1 px, %2 pt in 字体设置").arg(std::abs(font.Height)).arg(std::abs(font.Size()));
}

QString CutRemedy(int excessPixels) {
  return QStringLiteral("; send it in mode %1, or shorten it by %2 px")
      .arg(ModeWithName(kScrollInFromRightMode))
      .arg(excessPixels);
}
