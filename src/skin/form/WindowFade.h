// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The window's transparency: AlphaBlend applies AlphaBlendValue at once while the window runs;
// showing the window with it (or with the engine's AlphaBlendAnimation) starts it invisible and
// fades it in a moment later, when the fade timer's WM_TIMER reaches the window procedure. A
// part of TSkinForm.
#include "platform/Messages.h"
#include "platform/WindowTimer.h"

class TSkinForm;

// The moment between the window's showing and its fade-in, which arrives as WM_TIMER with
// kAlphaTimerId.
constexpr int kAlphaDelay = 1;
constexpr WPARAM kAlphaTimerId = 1;

class TWindowFade {
 public:
  explicit TWindowFade(TSkinForm& engine);

  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool on);
  int AlphaBlendValue() const { return alphaBlendValue_; }
  // Clamped to 0..255.
  void SetAlphaBlendValue(int value);
  // Translucent while it runs: the frame and client repaint after each size change.
  bool Translucent() const { return alphaBlend_ && alphaBlendValue_ != 255; }
  TWindowTimer& Timer() { return timer_; }

  // The window shows: invisible until the fade-in.
  void Showing();
  // The window hides: opaque again for its next showing.
  void Hiding();
  // The fade timer's WM_TIMER.
  void FadeIn();

 private:
  TSkinForm& engine_;
  TWindowTimer timer_{kAlphaDelay};
  bool alphaBlend_ = false;
  int alphaBlendValue_ = 200;
};
