// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Importing a plain text file of caption lines: the whole file becomes the caption list, with
// CR LF, LF and a lone CR each ending a line. The file may be GB18030, UTF-8 or UTF-16
// (see TextEncoding.h).
#include <QByteArray>
#include <QString>
#include <QStringList>

QStringList DecodeCaptionText(const QByteArray& bytes);

// The decoded text of a file brought in from outside; exception "Cannot open file "<path>".
// <reason>" when the file cannot be read.
QString ReadImportedText(const QString& path);

// The file's caption lines; fails as ReadImportedText does.
QStringList ImportTextFile(const QString& path);
