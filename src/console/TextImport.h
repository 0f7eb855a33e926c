#pragma once
// Importing a plain text file of caption lines: the whole file becomes the caption list, with
// CR LF, LF and a lone CR each ending a line.
#include <QByteArray>
#include <QString>
#include <QStringList>

QStringList DecodeCaptionText(const QByteArray& bytes);

// Exception "Cannot open file "<path>". <reason>" when the file cannot be read.
QStringList ImportTextFile(const QString& path);
