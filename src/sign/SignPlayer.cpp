// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "sign/SignPlayer.h"

#include "sign/SignEffects.h"
#include "wire/DisplayModes.h"

SignPlayer::SignPlayer(QObject* parent) : QObject(parent) {
  timer_.setInterval(kTickMs);
  connect(&timer_, &QTimer::timeout, this, &SignPlayer::Tick);
}

void SignPlayer::Play(const PacketReport& packet) {
  if (packet.pages.empty()) return;
  pages_ = packet.pages;
  mode_ = packet.mode;
  page_ = 0;
  step_ = 0;
  Show(FrameNow());
  if (Moving()) timer_.start();
}

void SignPlayer::Tick() {
  if (!Moving()) return;
  ++step_;
  const bool nextPage = !Scrolling() && step_ > EffectSteps(mode_) + kHoldTicks;
  if (nextPage) {
    ++page_;
    step_ = 0;
  }
  Show(FrameNow());
  if (!Moving()) timer_.stop();
}

bool SignPlayer::Moving() const {
  if (pages_.empty()) return false;
  if (Scrolling()) return step_ < ScrollSteps(int(pages_.size()));
  return page_ + 1 < int(pages_.size()) || step_ < EffectSteps(mode_);
}

bool SignPlayer::Scrolling() const { return mode_ == kScrollInFromRightMode; }

LedPage SignPlayer::FrameNow() const {
  return Scrolling() ? ScrollFrame(pages_, step_) : EffectFrame(mode_, pages_[std::size_t(page_)], step_);
}

void SignPlayer::Show(const LedPage& frame) {
  if (frame == frame_) return;
  frame_ = frame;
  emit FrameChanged();
}
