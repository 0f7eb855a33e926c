// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The skinned push button's reactions: pointer, keyboard, focus, and its three timers (hover
// fade, auto-repeat, frame animation).
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "platform/Application.h"
#include "skin/controls/SkinButton.h"

namespace {

// The window system's shortest timer: a zero interval must not spin.
constexpr int kShortestTimer = 10;

}  // namespace

void TSkinButton::ClickFromInput() {
  Application().Guard([this] { ButtonClick(); });
}

// --- Pointer ----------------------------------------------------------------------------------

void TSkinButton::MouseEnter() {
  TSkinCustomControl::MouseEnter();
  mouseIn_ = true;
  if ((InGroup() && !down_) || (!InGroup() && (!Focused() || down_))) {
    if (down_) {
      if (MorphingOn()) morph_.JumpTo(true);
      Repaint();
    } else {
      StartAnimation(true);
      RedrawWithMorph();
    }
  }
  // Coming back onto a held button resumes the repeat.
  if (down_ && RepeatMode && !InGroup()) StartRepeat();
}

void TSkinButton::MouseLeave() {
  TSkinCustomControl::MouseLeave();
  // A default button standing in for the focused control keeps its active face.
  const bool standsIn = canFocused_ && default_ && activeDefault_ && !Focused();
  if (!standsIn) mouseIn_ = false;
  if ((InGroup() && !down_) || (!InGroup() && (!Focused() || down_))) {
    StartAnimation(false);
    RedrawWithMorph();
  }
  if (down_ && RepeatMode && repeatTimer_.Active() && !InGroup()) StopRepeat();
}

void TSkinButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    TSkinCustomControl::mousePressEvent(event);
    return;
  }
  TrackPointer(event->position().toPoint());
  if (canFocused_ && !Designing() && !Focused()) {
    clicksDisabled_ = true;
    setFocus(Qt::MouseFocusReason);
    clicksDisabled_ = false;
    // The focus was refused (the window keeps it elsewhere): so is the press.
    if (window()->focusWidget() != this) return;
  }
  StopAnimation();
  pressedByMouse_ = true;
  if (!down_) {
    mouseIn_ = true;
    SetDown(true);
    if (RepeatMode && !InGroup()) StartRepeat();
    else if (InGroup()) ClickFromInput();
    wasDownAtPress_ = false;
  } else if (InGroup()) {
    wasDownAtPress_ = true;
  }
}

void TSkinButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    TSkinCustomControl::mouseReleaseEvent(event);
    return;
  }
  // A release away from the button counts as having left it first.
  TrackPointer(event->position().toPoint());
  pressedByMouse_ = false;
  const bool wasDown = down_;
  const QPointer<TSkinButton> alive(this);  // a click may free the button
  if (!InGroup()) {
    if (mouseIn_) {
      SetDown(false);
      StopRepeat();
      if (wasDown) ClickFromInput();
    } else {
      down_ = false;
      StopRepeat();
      Repaint();
    }
  } else if (wasDown && AllowAllUp && wasDownAtPress_ && mouseIn_) {
    SetDown(false);
    ClickFromInput();
  }
  if (alive && isVisible()) TSkinCustomControl::mouseReleaseEvent(event);
}

void TSkinButton::mouseMoveEvent(QMouseEvent* event) {
  // While the button holds the pointer the window system reports no leave or enter.
  if (event->buttons() & Qt::LeftButton) TrackPointer(event->position().toPoint());
  TSkinCustomControl::mouseMoveEvent(event);
}

// --- Keyboard ---------------------------------------------------------------------------------

void TSkinButton::keyPressEvent(QKeyEvent* event) {
  if (canFocused_) {
    switch (event->key()) {
      case Qt::Key_Space:
        StopAnimation();
        SetDown(true);
        // The key's own repeat clicks repeatedly.
        if (RepeatMode) ClickFromInput();
        return;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        ClickFromInput();
        return;
      default:
        break;
    }
  }
  TSkinCustomControl::keyPressEvent(event);
}

void TSkinButton::keyReleaseEvent(QKeyEvent* event) {
  if (canFocused_ && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    SetDown(false);
    ClickFromInput();
    return;
  }
  TSkinCustomControl::keyReleaseEvent(event);
}

bool TSkinButton::CanTakeFocus() const { return isVisible() && isEnabled(); }

void TSkinButton::WatchWindow() {
  QWidget* w = window();
  if (w == watchedWindow_) return;
  if (watchedWindow_) watchedWindow_->removeEventFilter(this);
  watchedWindow_ = w == this ? nullptr : w;
  if (watchedWindow_) watchedWindow_->installEventFilter(this);
}

void TSkinButton::WatchAccelerator() {
  const bool needed = !AcceleratorOf(caption_).isNull();
  if (needed == watchingApplication_) return;
  watchingApplication_ = needed;
  if (needed) qApp->installEventFilter(this);
  else qApp->removeEventFilter(this);
}

bool TSkinButton::event(QEvent* event) {
  if (event->type() == QEvent::ParentChange || event->type() == QEvent::Show) WatchWindow();
  return TSkinCustomControl::event(event);
}

// Keys no control of the window took reach the window itself: the dialog keys and characters.
// Alt with a character is an accelerator wherever the focus is.
bool TSkinButton::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && isVisible()) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const bool alt = (key.modifiers() & Qt::AltModifier) && !(key.modifiers() & Qt::ControlModifier);
    auto* target = qobject_cast<QWidget*>(watched);
    bool handled = false;
    if (watched == watchedWindow_) handled = DialogKey(key) || DialogChar(key);
    else if (alt && watchingApplication_ && target && target->window() == window()) handled = DialogChar(key);
    if (handled) {
      event->accept();
      return true;
    }
  }
  return TSkinCustomControl::eventFilter(watched, event);
}

bool TSkinButton::DialogKey(const QKeyEvent& key) {
  const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
  if (enter && activeDefault_ && isEnabled()) {
    ClickFromInput();
    return true;
  }
  const bool noShift = !(key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
  if (key.key() == Qt::Key_Escape && Cancel && canFocused_ && noShift && CanTakeFocus()) {
    ClickFromInput();
    return true;
  }
  return false;
}

bool TSkinButton::DialogChar(const QKeyEvent& key) {
  QChar character;
  if (!key.text().isEmpty()) character = key.text().front();
  else if ((key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) || (key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9))
    character = QChar(key.key());
  if (character.isNull() || !IsAccelerator(character, caption_) || !CanTakeFocus() || !canFocused_) return false;
  setFocus(Qt::ShortcutFocusReason);
  ClickFromInput();
  return true;
}

// --- Focus and enabled state ------------------------------------------------------------------

void TSkinButton::focusInEvent(QFocusEvent* event) {
  TSkinCustomControl::focusInEvent(event);
  if (!canFocused_) return;
  StartAnimation(true);
  RedrawWithMorph();
}

void TSkinButton::focusOutEvent(QFocusEvent* event) {
  TSkinCustomControl::focusOutEvent(event);
  if (!canFocused_) return;
  StartAnimation(false);
  if (RepeatMode) StopRepeat();
  if (!InGroup()) down_ = false;
  RedrawWithMorph();
}

// A button is the active default when it has the focus itself, or, while another kind of
// control has it, when it is the window's Default button.
void TSkinButton::FocusChanged(QWidget* now) {
  if (!now || now->window() != window() || window() == this) return;
  auto* button = qobject_cast<TSkinButton*>(now);
  activeDefault_ = button ? button == this : default_;
  if (!(canFocused_ && default_)) return;
  if (!button) {
    mouseIn_ = true;  // stands in for the focused control
    if (MorphingOn()) {
      morph_.JumpTo(true);
      hoverFadeTimer_.Stop();
    }
    Repaint();
  } else if (button != this) {
    mouseIn_ = PointerInside();
    RedrawWithMorph();
  }
}

void TSkinButton::changeEvent(QEvent* event) {
  TSkinCustomControl::changeEvent(event);
  if (event->type() != QEvent::EnabledChange) return;
  hoverFadeTimer_.Stop();
  morph_.JumpTo(false);
  mouseIn_ = false;
  Repaint();
}

// --- Timers -----------------------------------------------------------------------------------

void TSkinButton::RedrawWithMorph() {
  if (MorphingOn() && SkinObjectIndex() != -1) {
    if (!hoverFadeTimer_.Active()) hoverFadeTimer_.Start();
    return;
  }
  Repaint();
}

// One step of the fade towards the active face (pointer in or focused) or back to the normal one.
void TSkinButton::HoverFadeTick() {
  const bool target = mouseIn_ || (Focused() && canFocused_);
  if (SkinObjectIndex() == -1 || !MorphingOn()) {
    morph_.JumpTo(target);
    hoverFadeTimer_.Stop();
    return;
  }
  if (!morph_.StepTowards(target)) hoverFadeTimer_.Stop();
  Repaint();
}

void TSkinButton::StartRepeat() { repeatTimer_.Start(std::max(RepeatInterval, kShortestTimer)); }

void TSkinButton::StartAnimation(bool forward) {
  if (!EffectsOn() || SkinObjectIndex() == -1 || look_.AnimateSkinRect.IsEmpty() || look_.FrameCount < 1) return;
  animateForward_ = forward;
  animateFrame_ = forward ? 1 : look_.FrameCount;
  animateTimer_.Start(std::max(look_.AnimateInterval, kShortestTimer));
}

void TSkinButton::StopAnimation() {
  animateTimer_.Stop();
  animateFrame_ = 0;
}

void TSkinButton::AnimateTick() {
  if (animateForward_) {
    if (animateFrame_ <= look_.FrameCount) {
      ++animateFrame_;
      Repaint();
    }
    if (animateFrame_ > look_.FrameCount) StopAnimation();
  } else {
    if (animateFrame_ >= 0) {
      --animateFrame_;
      Repaint();
    }
    if (animateFrame_ <= 0) StopAnimation();
  }
}
