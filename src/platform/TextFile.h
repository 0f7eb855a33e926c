// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Reading a text file the way the runtime's text files read: numbers across line ends, text lines
// ending at LF or CR LF, Ctrl-Z (0x1A) as the end of the file. Works on the bytes; decoding the
// text is the caller's business.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

// The most a file read whole may hold: far beyond any show, yet a file that claims more (a sparse
// one claims what it likes) is refused before memory is set aside for it.
inline constexpr qint64 kMaxFileBytes = qint64(1) << 28;

// The whole file, or std::nullopt with `error` set to the errno of the failed open or read
// (ENOMEM for a file larger than kMaxFileBytes).
std::optional<QByteArray> ReadFileBytes(const QString& path, int& error);

class TTextReader {
 public:
  // Reads from `bytes`; a 0x1A byte ends the text there.
  explicit TTextReader(QByteArray bytes);
  // Reads the whole file; EInOutError when it cannot be opened or read.
  static TTextReader FromFile(const QString& path);

  bool Eof() const { return pos_ >= end_; }
  // How many bytes the text holds, up to its end.
  qsizetype Length() const { return end_; }

  // A signed decimal number: skips every byte <= 32 (also across line ends), takes the bytes up
  // to the next byte <= 32 (at most 32 of them) and converts them; EInOutError 106 when they do
  // not form a 32-bit number. Reaching the end of the text before any byte gives 0. The rest of
  // the number's line, line end included, is skipped.
  std::int32_t ReadInteger();

  // The bytes up to the next LF or CR LF (any number), which is skipped.
  QByteArray ReadLine();
  // The same bytes, seen in the reader's own text: valid while the reader lives.
  QByteArrayView ReadLineView();

 private:
  void SkipLine();
  // The index of the next LF from the reading position, or the size of the bytes when none.
  qsizetype NextLineFeed() const;

  QByteArray bytes_;
  qsizetype pos_ = 0;
  qsizetype end_ = 0;
};

// Parses a whole token as an optionally signed decimal 32-bit integer.
std::optional<std::int32_t> ParseDecimalInt32(QByteArrayView token);
