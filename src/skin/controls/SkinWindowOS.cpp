// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/SkinWindowOS.h"

#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <algorithm>

#include "platform/Screens.h"

TRect WorkAreaForWindow(const QWidget* window, bool workArea) {
  return TRect::FromQRect(ScreenRectOf(window, workArea));
}

void SetWindowAlphaLevel(QWidget* window, int alpha) {
  if (window) window->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
}

void FadeWindowIn(QWidget* window, int alpha) {
  if (!window) return;
  alpha = std::clamp(alpha, 0, 255);
  QElapsedTimer clock;
  clock.start();
  qint64 lastStep = 0;
  for (int level = 0; level < alpha;) {
    if (clock.elapsed() - lastStep <= 5) {
      QThread::msleep(1);
      continue;
    }
    lastStep = clock.elapsed();
    level = std::min(level + 10, alpha);
    SetWindowAlphaLevel(window, level);
    window->repaint();
  }
}
