// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/StandardErrorDialogs.h"

#include <cstdio>

void StandardErrorDialogs::ShowMessage(const QString& title, const QString& text) {
  const QString line = title.isEmpty() ? text : title + QStringLiteral(": ") + text;
  std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
  std::fflush(stderr);
}

void SayOnStandardError(const QString& line) {
  std::fprintf(stderr, "lumetra: %s\n", line.toLocal8Bit().constData());
}
