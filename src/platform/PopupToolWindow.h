// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A top-level popup that never takes the activation: a borderless tool window above all others
// that leaves the keyboard focus where it was and that the window manager does not place. Its
// pixels live in a surface of its size that the owner paints; the window only shows them, so it
// never erases a background of its own. It may be cut to a region.
//
// Where the window system places popups only relative to a window of the program (Wayland), the
// popup is shown as a popup of its owner's window (or of the active window without an owner):
// its screen point is then read in the toolkit's coordinates of that window, and the compositor
// keeps it beside the owner wherever the owner is.
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <optional>

#include "platform/Bitmap.h"
#include "platform/Types.h"

class TPopupToolWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TPopupToolWindow(QWidget* owner = nullptr);

  // Resizes the window and its surface; the surface keeps what fits.
  void SetSize(int width, int height);
  // Moves the window's top-left corner to the screen point and shows it on top without
  // activating it.
  void ShowAt(int x, int y);
  // The window's outline; std::nullopt keeps the full rectangle.
  void SetRegion(const std::optional<QRegion>& region);

  TBitmap& Surface() { return surface_; }
  const TBitmap& Surface() const { return surface_; }
  // Shows what was drawn into the surface inside `rect` (window coordinates).
  void SurfaceChanged(const TRect& rect);
  void SurfaceChanged() { update(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TBitmap surface_;
  QPointer<QWidget> owner_;
};

// Before `popup` (a top-level window that takes no activation) is shown: where the window system
// places popups only relative to a window of the program, makes the owner's window (else the
// active one) its transient parent, so that the toolkit shows it as that window's popup. Nothing
// elsewhere.
void AttachPopupToOwner(QWidget* popup, const QWidget* owner);
