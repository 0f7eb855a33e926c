// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/GoGuard.h"

#include <chrono>

std::optional<qint64> GoGuard::DoubleTrigger(RemoteClock::time_point arrival) {
  std::optional<qint64> nearest;
  for (const std::optional<RemoteClock::time_point>& go : recent_) {
    if (!go) continue;
    const qint64 apart = std::chrono::abs(std::chrono::duration_cast<std::chrono::milliseconds>(arrival - *go)).count();
    if (apart < kDoubleTriggerMs && (!nearest || apart < *nearest)) nearest = apart;
  }
  recent_[next_] = arrival;
  next_ = (next_ + 1) % recent_.size();
  return nearest;
}

RemoteResult GuardedRemoteControl::Go(RemoteClock::time_point arrival, const QString& source) {
  if (const std::optional<qint64> apart = guard_.DoubleTrigger(arrival))
    return RemoteResult::Refusing(RemoteRefusal::DoubleTrigger,
                                  QStringLiteral("double trigger: %1 ms from the previous go").arg(*apart));
  return console_.Go(arrival, source);
}
