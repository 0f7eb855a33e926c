// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The frame's side of two components that this window does not place: a tray icon and a
// status bar with a size grip. Their own behaviour (showing the icon in the system tray, drawing
// the bar) belongs to those components; the frame only drives them through what is here.
#include <functional>

#include "platform/Component.h"

class TPopupMenu;

// A tray icon as the frame sees it. A tray component derives from it and shows the icon.
class TTrayIcon : public TComponent {
 public:
  using TComponent::TComponent;

  // The window went to the tray through this icon.
  bool MinimizedToTray = false;
  // The menu the icon opens; the frame gives it its own tray menu when it has none. Not owned.
  TPopupMenu* PopupMenu = nullptr;
  // The icon asks for the window back (its double click, say).
  std::function<void()> OnRestoreRequest;

  bool IconVisible() const { return iconVisible_; }
  virtual void SetIconVisible(bool visible) { iconVisible_ = visible; }

 private:
  bool iconVisible_ = true;
};

// A status bar whose size grip the frame hides while the window is maximised.
class TStatusBarGrip {
 public:
  virtual void SetSizeGripVisible(bool visible) = 0;

 protected:
  ~TStatusBarGrip() = default;
};
