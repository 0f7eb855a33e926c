// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/CaptionImport.h"

#include "show/SubtitleFile.h"
#include "show/TextImport.h"

QString CaptionFilesFilter() { return QStringLiteral("文本文件;设置文件|*.txt;*.lw|字幕文件|*.srt"); }

QStringList ImportCaptionFile(const QString& path) {
  return IsSubtitleFilePath(path) ? ImportSubtitleFile(path) : ImportTextFile(path);
}
