#include "platform/WindowTimer.h"

TWindowTimer::TWindowTimer(int interval) {
  timer_.setInterval(interval);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
}

void TWindowTimer::Tick() {
  if (OnTimer) OnTimer();
}
