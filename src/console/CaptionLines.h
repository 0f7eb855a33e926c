#pragma once
// The caption list as lines: a line ends at LF, CR LF or a lone CR; a line end after the last
// line does not start another one, and an empty text has no lines.
#include <QString>
#include <QStringList>

QStringList SplitCaptionLines(const QString& text);
