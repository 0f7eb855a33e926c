// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "sign/SignModeTitle.h"

#include <QCoreApplication>
#include <array>

#include "wire/DisplayModes.h"

namespace {

// In mode order. %1 is the sign's name of the mode: a Chinese catalogue translates each entry as
// "%1", the name alone, which already says what the gloss says.
constexpr std::array<const char*, kDisplayModeCount> kGlosses = {
    QT_TRANSLATE_NOOP("SignModeTitle", "show at once, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "move in from the right, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "move in from the left, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "roll in upwards from below, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "roll in downwards from above, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "jump in from the right, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "unfold from left to right, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "unfold from right to left, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "unfold upwards, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "unfold downwards, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "unfold from the middle to both sides, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "unfold from both sides to the middle, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "unfold from the middle up and down, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "unfold from top and bottom to the middle, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "reveal column by column, left to right, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "reveal column by column, right to left, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "shift in column by column, left to right, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "shift in column by column, right to left, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "reveal row by row, top to bottom, %1"),
    QT_TRANSLATE_NOOP("SignModeTitle", "reveal row by row, bottom to top, %1"),
};

}  // namespace

QString SignModeTitle(int modeIndex) {
  const QString name = DisplayModeName(modeIndex);
  if (name.isEmpty()) return name;
  return QCoreApplication::translate("SignModeTitle", kGlosses[std::size_t(modeIndex)]).arg(name);
}
