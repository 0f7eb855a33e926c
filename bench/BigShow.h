// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The 100,000-line show the benchmarks share, the size a long evening holds: Chinese and ASCII
// captions mixed, as a show holds them; as settings-file bytes, and as a working state "lw1.ini"
// written into a folder of its own, which is made current (and holds the per-user files too, so
// that a benchmark's sends are logged there, not in the real home).
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "show/ShowDocument.h"

constexpr int kBigShowLines = 100000;

inline QString BigShowCaption(int i) {
  switch (i % 3) {
    case 0: return QStringLiteral("第%1幕 演员甲：今晚的月色真美 (Act %1)").arg(i);
    case 1: return QStringLiteral("Line %1: the curtain rises on an empty stage").arg(i);
    default: return QStringLiteral("字幕 %1 他说 \"Hello\" 然后离开了舞台").arg(i);
  }
}

// The first `lines` of the show as a settings file, every entry holding settings of its own.
inline QByteArray BigShowFileBytes(int lines = kBigShowLines) {
  ShowDocument show;
  for (int i = 0; i < lines; ++i) show.Lines << BigShowCaption(i);
  for (int i = 0; i < kLineSettingCount; ++i) show.Settings[std::size_t(i)] = {i % 7, i % 11, i % 20};
  return show.Encode();
}

// The whole show's bytes, made once per run.
inline const QByteArray& BigShowBytes() {
  static const QByteArray bytes = BigShowFileBytes();
  return bytes;
}

struct BigWorkingState {
  QTemporaryDir folder;
  QString previous = QDir::currentPath();

  explicit BigWorkingState(int lines = kBigShowLines) {
    QFile file(folder.filePath(QStringLiteral("lw1.ini")));
    if (file.open(QIODevice::WriteOnly)) file.write(lines == kBigShowLines ? BigShowBytes() : BigShowFileBytes(lines));
    QDir::setCurrent(folder.path());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", folder.filePath(QStringLiteral("state")).toLocal8Bit());
  }
  ~BigWorkingState() { QDir::setCurrent(previous); }
};
