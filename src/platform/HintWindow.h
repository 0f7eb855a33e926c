// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The application's tooltip window: a borderless top-level window that shows one hint text
// without taking the focus. Derived windows change its size rule, placement and painting.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/Font.h"
#include "platform/Types.h"

class TBitmap;

class THintWindow : public QWidget {
  Q_OBJECT
 public:
  THintWindow();

  // Places the window at `rect` (screen coordinates) with `text` and shows it without
  // activating it.
  virtual void ActivateHint(const TRect& rect, const QString& text);
  // The window rectangle (at 0, 0) that `text` needs.
  virtual TRect CalcHintRect(int maxWidth, const QString& text);
  void ReleaseHandle() { hide(); }
  // The control the hint is shown for (none: the active window's); where popups are placed
  // relative to a window of the program, the hint is shown as a popup of that control's window.
  void SetOwner(const QWidget* owner) { owner_ = owner; }
  const QWidget* Owner() const { return owner_; }

  const QString& Caption() const { return caption_; }
  // The font of the plain tooltip look.
  TFont HintFont;

 protected:
  // Paints the whole window into an off-screen bitmap of its size.
  virtual void Paint(TBitmap& target);
  void SetCaption(const QString& text) { caption_ = text; }
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  QPointer<const QWidget> owner_;
};
