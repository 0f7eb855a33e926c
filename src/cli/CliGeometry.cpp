// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/CliGeometry.h"

#include <QRegularExpression>

#include "cli/CliCommand.h"

TSize ParseSize(const QString& text, const QString& option) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
  const QRegularExpressionMatch m = pattern.match(text);
  const TSize size{m.hasMatch() ? m.captured(1).toInt() : 0, m.hasMatch() ? m.captured(2).toInt() : 0};
  if (size.cx < 1 || size.cy < 1)
    throw CliError(QStringLiteral("%1 needs a size WxH of at least 1x1, not \"%2\"").arg(option, text));
  return size;
}

TRect ParseRect(const QString& text, const QString& option) {
  static const QRegularExpression pattern(QStringLiteral("^(-?\\d{1,6}),(-?\\d{1,6}),(-?\\d{1,6}),(-?\\d{1,6})$"));
  const QRegularExpressionMatch m = pattern.match(text.trimmed());
  if (!m.hasMatch()) throw CliError(QStringLiteral("%1 needs a rectangle L,T,R,B, not \"%2\"").arg(option, text));
  return {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt()};
}

QJsonArray RectJson(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
