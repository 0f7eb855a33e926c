// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The command line of lumetra-sign.
#include <QString>
#include <QStringList>
#include <cstdint>

struct SignOptions {
  QString device;  // empty: a pseudo-terminal of the sign's own
  bool headless = false;
  QString pngFolder;
  std::int64_t stallAfter = -1;  // -1: read for ever
};

enum class SignCommand { Run, Help, Error };

// Reads `arguments` (the program's name first) into `options`; on Help or Error, `message` is
// the text to print.
SignCommand ParseSignOptions(const QStringList& arguments, SignOptions& options, QString& message);
