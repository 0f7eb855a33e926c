// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Plays a packet on the matrix as the sign would: each page comes in with the mode's effect and
// stays a while before the next; the scrolling mode moves through all pages in one go. The last
// page stays until the next packet. A timer calls Tick every kTickMs while something moves.
#include <QObject>
#include <QTimer>
#include <vector>

#include "wire/DisplayPacketDecoder.h"

class SignPlayer : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 8;
  static constexpr int kHoldTicks = 250;  // two seconds on a page before the next comes in

  explicit SignPlayer(QObject* parent = nullptr);

  void Play(const PacketReport& packet);
  void Tick();
  const LedPage& Frame() const { return frame_; }
  int Page() const { return page_; }
  bool Moving() const;

 signals:
  void FrameChanged();

 private:
  bool Scrolling() const;
  LedPage FrameNow() const;
  void Show(const LedPage& frame);

  std::vector<LedPage> pages_;
  int mode_ = 0;
  int page_ = 0;
  int step_ = 0;
  LedPage frame_;
  QTimer timer_;
};
