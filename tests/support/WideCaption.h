// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Captions of a chosen width in a font: the shortest repetition of `unit` wider than `pixels`, or
// a caption exactly `pixels` wide.
#include <QString>
#include <QStringList>
#include <algorithm>

#include "wire/LedFrame.h"

inline QString CaptionWiderThan(const TFont& font, int pixels, const QString& unit = QStringLiteral("字")) {
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, font);
  QString caption;
  while (MeasureCaption(frame, caption).cx <= pixels) caption += unit;
  return caption;
}

// A caption of exactly `pixels` in the font, made of a run of one character and a run of another;
// empty when no two of the candidates reach it.
inline QString CaptionOfWidth(const TFont& font, int pixels) {
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, font);
  const QStringList units = {QStringLiteral("字"), QStringLiteral("a"), QStringLiteral("i"), QStringLiteral("W"),
                             QStringLiteral("."), QStringLiteral("m")};
  for (const QString& wide : units)
    for (const QString& narrow : units)
      for (int n = pixels / std::max(1, MeasureCaption(frame, wide).cx); n >= 0; --n) {
        QString caption = wide.repeated(n);
        while (MeasureCaption(frame, caption).cx < pixels) caption += narrow;
        if (MeasureCaption(frame, caption).cx == pixels) return caption;
        if (n + 3 < pixels / std::max(1, MeasureCaption(frame, wide).cx)) break;  // a few tries per pair
      }
  return QString();
}
