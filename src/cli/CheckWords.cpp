// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CheckWords.h"

#include <array>
#include <cstdlib>

#include "wire/DisplayModes.h"

namespace {

QString SpellModeWithName(int modeIndex) {
  const QString name = DisplayModeName(modeIndex);
  return QString::number(modeIndex) + (name.isEmpty() ? QStringLiteral(" (none: 0xFF)") : QStringLiteral(" (") + name + u')');
}

QString SpellModeLabel(int modeIndex) {
  const QString name = DisplayModeName(modeIndex);
  return name.isEmpty() ? SpellModeWithName(modeIndex) : QString::number(modeIndex) + u' ' + name;
}

// A check names a mode on nearly every line: the list's words, and the selector's "none", are
// spelt once.
template <QString (*Spell)(int)>
QString Spelt(int modeIndex) {
  static const auto words = [] {
    std::array<QString, kDisplayModeCount + 1> all;
    for (int i = -1; i < kDisplayModeCount; ++i) all[std::size_t(i + 1)] = Spell(i);
    return all;
  }();
  return modeIndex >= -1 && modeIndex < kDisplayModeCount ? words[std::size_t(modeIndex + 1)] : Spell(modeIndex);
}

}  // namespace

QString ModeWithName(int modeIndex) { return Spelt<SpellModeWithName>(modeIndex); }

QString ModeLabel(int modeIndex) { return Spelt<SpellModeLabel>(modeIndex); }

QString FontSizeWords(const TFont& font) {
  // The dialog offers points; the frame draws in pixels.
  return QStringLiteral("%1 px, %2 pt in 字体设置").arg(std::abs(font.Height)).arg(std::abs(font.Size()));
}

QString CutRemedy(int excessPixels) {
  return QStringLiteral("; send it in mode %1, or shorten it by %2 px")
      .arg(ModeWithName(kScrollInFromRightMode))
      .arg(excessPixels);
}
