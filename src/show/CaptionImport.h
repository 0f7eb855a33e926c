// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What the load command brings in when the chosen path is not a settings file: a subtitle file's
// cue texts, or a plain text file's lines, as the caption list.
#include <QString>
#include <QStringList>

// The open dialog's filter: settings and text files as the first entry, subtitle files second.
QString CaptionFilesFilter();

// The caption lines of a file that is not a settings file: a ".srt" path (any case) through the
// subtitle reader, any other as plain text. Fails, changing nothing, as those readers do.
QStringList ImportCaptionFile(const QString& path);
