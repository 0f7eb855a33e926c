// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinText.h"

#include "platform/Canvas.h"

int DrawTextAuto(TCanvas& canvas, const QString& text, TRect& rect, unsigned format) {
  return canvas.DrawText(text, rect, format);
}

namespace {
TRect MeasureText(TCanvas& canvas, const QString& text, unsigned format) {
  TRect r{0, 0, 0, 0};
  DrawTextAuto(canvas, text, r, DT_CALCRECT | format);
  return r;
}
}  // namespace

int MeasureTextWidth(TCanvas& canvas, const QString& text, unsigned format) {
  return MeasureText(canvas, text, format).Width();
}
int MeasureTextHeight(TCanvas& canvas, const QString& text, unsigned format) {
  return MeasureText(canvas, text, format).Height();
}

void EllipsizeToWidth(TCanvas& canvas, QString& text, int width, unsigned format) {
  if (MeasureTextWidth(canvas, text, format) <= width) return;
  const QString dots = QStringLiteral("...");
  do {
    qsizetype cut = text.size() - 1;
    if (cut > 0 && text[cut].isLowSurrogate() && text[cut - 1].isHighSurrogate()) --cut;
    text.truncate(cut);
  } while (!text.isEmpty() && MeasureTextWidth(canvas, text + dots, format) > width);
  text += dots;
}
