#pragma once
// The 100,000-line show the benchmarks share: Chinese and ASCII captions mixed, as a show holds
// them.
#include <QString>

#include "console/ShowDocument.h"

constexpr int kBigShowLines = 100000;

inline QString BigShowCaption(int i) {
  switch (i % 3) {
    case 0: return QStringLiteral("第%1幕 演员甲：今晚的月色真美 (Act %1)").arg(i);
    case 1: return QStringLiteral("Line %1: the curtain rises on an empty stage").arg(i);
    default: return QStringLiteral("字幕 %1 他说 \"Hello\" 然后离开了舞台").arg(i);
  }
}

// The show as a settings file, every entry holding settings of its own.
inline QByteArray BigShowFileBytes() {
  ShowDocument show;
  for (int i = 0; i < kBigShowLines; ++i) show.Lines << BigShowCaption(i);
  for (int i = 0; i < kLineSettingCount; ++i) show.Settings[std::size_t(i)] = {i % 7, i % 11, i % 20};
  return show.Encode();
}

// Made once per run.
inline const QByteArray& BigShowBytes() {
  static const QByteArray bytes = BigShowFileBytes();
  return bytes;
}
