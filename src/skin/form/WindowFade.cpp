// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/form/WindowFade.h"

#include <algorithm>

#include "platform/Application.h"
#include "skin/controls/SkinWindowOS.h"
#include "skin/form/SkinForm.h"

TWindowFade::TWindowFade(TSkinForm& engine) : engine_(engine) {
  timer_.OnTimer = [this] { engine_.OwnerForm().Perform(WM_TIMER, kAlphaTimerId); };
}

void TWindowFade::SetAlphaBlend(bool on) {
  if (on == alphaBlend_) return;
  alphaBlend_ = on;
  if (engine_.Designing() || engine_.Loading()) return;
  SetWindowAlphaLevel(engine_.OwnerForm().Window(), on ? alphaBlendValue_ : 255);
}

void TWindowFade::SetAlphaBlendValue(int value) {
  value = std::clamp(value, 0, 255);
  if (value == alphaBlendValue_) return;
  alphaBlendValue_ = value;
  if (alphaBlend_ && !engine_.Designing() && !engine_.Loading()) SetWindowAlphaLevel(engine_.OwnerForm().Window(), value);
}

void TWindowFade::Showing() {
  if (!(alphaBlend_ || engine_.AlphaBlendAnimation)) return;
  SetWindowAlphaLevel(engine_.OwnerForm().Window(), 0);
  timer_.Start();
}

void TWindowFade::Hiding() {
  if (alphaBlend_) SetWindowAlphaLevel(engine_.OwnerForm().Window(), 255);
}

// The fade-in: to full opacity for an animation alone, else to AlphaBlendValue; without the
// animation the value is set at once. A window that ends fully opaque is no longer translucent.
void TWindowFade::FadeIn() {
  timer_.Stop();
  QWidget* window = engine_.OwnerForm().Window();
  const bool animation = engine_.AlphaBlendAnimation;
  const int target = animation && !alphaBlend_ ? 255 : alphaBlendValue_;
  if (animation) {
    Application().ProcessMessages();
    FadeWindowIn(window, target);
  } else if (alphaBlendValue_ != 255) {
    SetWindowAlphaLevel(window, alphaBlendValue_);
  }
  if (target == 255) SetWindowAlphaLevel(window, 255);
}
