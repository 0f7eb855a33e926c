#pragma once
// Captions of a chosen width in a font: the shortest repetition of `unit` wider than `pixels`.
#include <QString>

#include "console/LedFrame.h"

inline QString CaptionWiderThan(const TFont& font, int pixels, const QString& unit = QStringLiteral("字")) {
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, font);
  QString caption;
  while (MeasureCaption(frame, caption).cx <= pixels) caption += unit;
  return caption;
}
