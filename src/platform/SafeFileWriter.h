// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Replaces a file as a whole or not at all: the bytes go to a temporary file in the same folder,
// which is flushed to disk and then renamed over the target. A failure at any step leaves the
// previous file untouched, removes the temporary file and raises the runtime's EInOutError
// ("Invalid filename", "File access denied", "Disk full", ...).
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

void WriteFileSafely(const QString& path, const QByteArray& bytes);

// The same for a file written piece by piece as it is made: the checks and the temporary file
// come first, the target is replaced only by Commit, and a writer destroyed without it (a failure
// part-way) leaves the previous file untouched and no temporary file.
class SafeFileWriter {
 public:
  explicit SafeFileWriter(const QString& path);
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  void Write(QByteArrayView bytes);
  void Commit();

 private:
  class TemporaryFile;
  QString target_;
  std::unique_ptr<TemporaryFile> temporary_;
};
