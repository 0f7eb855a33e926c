// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "wire/DisplayModes.h"

#include <iterator>

namespace {

// In mode index order; the compiler holds the table to the sign's count.
constexpr QStringView kNames[] = {
    u"立即显示",       u"从右向左移入",     u"从左向右移入",     u"从下向上卷入",     u"从上向下卷入",
    u"从右向左跳入",   u"从左向右展开",     u"从右向左展开",     u"从下向上展开",     u"从上向下展开",
    u"从中间向两边展开", u"从两边向中间展开", u"从中间向上下展开", u"从上下向中间展开", u"从左至右逐列展开",
    u"从右至左逐列展开", u"从左至右逐列移进", u"从右至左逐列移进", u"从上至下逐行展开", u"从下至上逐行展开",
};
static_assert(std::size(kNames) == kDisplayModeCount, "one name for each of the sign's modes");

}  // namespace

const QStringList& DisplayModeNames() {
  static const QStringList names = [] {
    QStringList list;
    for (QStringView name : kNames) list << name.toString();
    return list;
  }();
  return names;
}

QString DisplayModeName(int modeIndex) {
  return modeIndex >= 0 && modeIndex < kDisplayModeCount ? kNames[modeIndex].toString() : QString();
}
