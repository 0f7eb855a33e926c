// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The caption list as lines: a line ends at LF, CR LF or a lone CR; a line end after the last
// line does not start another one, and an empty text has no lines.
#include <QString>
#include <QStringList>

QStringList SplitCaptionLines(const QString& text);

// A line's text as the caption list holds it in one line: a CR, a line or paragraph separator
// (U+2028, U+2029) or a frame mark (U+FDD0, U+FDD1) would break it there, so each becomes a
// space. A settings file may carry them inside a caption line.
QString AsOneCaptionLine(QString text);
