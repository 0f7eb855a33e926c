// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "wire/DisplayModes.h"

const QStringList& DisplayModeNames() {
  static const QStringList names = {
      QStringLiteral("立即显示"),       QStringLiteral("从右向左移入"),     QStringLiteral("从左向右移入"),
      QStringLiteral("从下向上卷入"),   QStringLiteral("从上向下卷入"),     QStringLiteral("从右向左跳入"),
      QStringLiteral("从左向右展开"),   QStringLiteral("从右向左展开"),     QStringLiteral("从下向上展开"),
      QStringLiteral("从上向下展开"),   QStringLiteral("从中间向两边展开"), QStringLiteral("从两边向中间展开"),
      QStringLiteral("从中间向上下展开"), QStringLiteral("从上下向中间展开"), QStringLiteral("从左至右逐列展开"),
      QStringLiteral("从右至左逐列展开"), QStringLiteral("从左至右逐列移进"), QStringLiteral("从右至左逐列移进"),
      QStringLiteral("从上至下逐行展开"), QStringLiteral("从下至上逐行展开"),
  };
  Q_ASSERT(names.size() == kDisplayModeCount);
  return names;
}

QString DisplayModeName(int modeIndex) {
  return modeIndex >= 0 && modeIndex < kDisplayModeCount ? DisplayModeNames()[modeIndex] : QString();
}
