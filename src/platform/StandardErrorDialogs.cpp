#include "platform/StandardErrorDialogs.h"

#include <cstdio>

void StandardErrorDialogs::ShowMessage(const QString& title, const QString& text) {
  const QString line = title.isEmpty() ? text : title + QStringLiteral(": ") + text;
  std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
  std::fflush(stderr);
}
