#pragma once
// Replaces a file as a whole or not at all: the bytes go to a temporary file in the same folder,
// which is flushed to disk and then renamed over the target. A failure at any step leaves the
// previous file untouched, removes the temporary file and raises the runtime's EInOutError
// ("Invalid filename", "File access denied", "Disk full", ...).
#include <QByteArray>
#include <QString>

void WriteFileSafely(const QString& path, const QByteArray& bytes);
