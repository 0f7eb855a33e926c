#pragma once
// A show of the size a long evening holds, as the console restores it: its captions and a
// working state "lw1.ini" written into a folder of its own, which is made current (and holds the
// per-user files too, so that a benchmark's sends are logged there, not in the real home).
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "console/ShowDocument.h"

constexpr int kShowLines = 100000;

// Captions as a show holds them: Chinese and ASCII mixed.
inline QString Caption(int i) {
  switch (i % 3) {
    case 0: return QStringLiteral("第%1幕 演员甲：今晚的月色真美 (Act %1)").arg(i);
    case 1: return QStringLiteral("Line %1: the curtain rises on an empty stage").arg(i);
    default: return QStringLiteral("字幕 %1 他说 \"Hello\" 然后离开了舞台").arg(i);
  }
}

struct BigWorkingState {
  QTemporaryDir folder;
  QString previous = QDir::currentPath();

  explicit BigWorkingState(int lines = kShowLines) {
    ShowDocument show;
    for (int i = 0; i < lines; ++i) show.Lines << Caption(i);
    for (int i = 0; i < kLineSettingCount; ++i) show.Settings[std::size_t(i)] = {i % 7, i % 11, i % 20};
    show.Save(folder.filePath(QStringLiteral("lw1.ini")));
    QDir::setCurrent(folder.path());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", folder.filePath(QStringLiteral("state")).toLocal8Bit());
  }
  ~BigWorkingState() { QDir::setCurrent(previous); }
};
