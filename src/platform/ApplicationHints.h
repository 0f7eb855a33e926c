// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The application's tooltips: whether they are shown, their timing, the window class that shows
// them and the show-hint event that may change or veto a hint. Widget tooltips of the whole
// application go through here instead of the toolkit's own tooltip.
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

#include "platform/HintWindow.h"

class QTimer;

struct THintInfo {
  QWidget* HintControl = nullptr;
  QPoint HintPos;        // screen position of the hint window's top-left corner
  int HintMaxWidth = 0;  // longest line before wrapping
};

using TShowHintEvent = std::function<void(QString& hintText, bool& canShow, THintInfo& info)>;
using THintWindowClass = std::function<std::unique_ptr<THintWindow>()>;

class TApplicationHints {
 public:
  // Milliseconds before a hint shows, between hints of neighbouring controls, before it hides.
  int HintPause = 500;
  int HintShortPause = 50;
  int HintHidePause = 2500;
  TShowHintEvent OnShowHint;

  bool ShowHint() const { return showHint_; }
  // Switching tooltips on makes a new hint window of the current class; off frees it.
  void SetShowHint(bool show);
  // The class takes effect the next time tooltips are switched on.
  void SetHintWindowClass(THintWindowClass windowClass) { windowClass_ = std::move(windowClass); }
  void ResetHintWindowClass();
  THintWindow* HintWindow() const { return window_.get(); }

  // Shows the hint of `control` at screen position `pos` (what a tooltip request does).
  void ActivateHint(QWidget* control, const QPoint& pos, const QString& text);
  void CancelHint();

 private:
  friend TApplicationHints& ApplicationHints();
  TApplicationHints();
  class Filter;

  bool showHint_ = true;
  THintWindowClass windowClass_;
  std::unique_ptr<THintWindow> window_;
  std::unique_ptr<Filter> filter_;
  std::unique_ptr<QTimer> hideTimer_;
};

TApplicationHints& ApplicationHints();

// How far below the pointer a hint goes: the height of the visible part of the current cursor
// less its hot spot, or the platform's cursor height (32) when the cursor cannot be read.
int CursorHeightMargin();
