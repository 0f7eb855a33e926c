// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/WindowTimer.h"

TWindowTimer::TWindowTimer(int interval) {
  timer_.setInterval(interval);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
}

void TWindowTimer::Tick() {
  if (OnTimer) OnTimer();
}
