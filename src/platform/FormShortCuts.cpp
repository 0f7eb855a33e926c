// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Keys offered to the form before its focused control, as the platform's forms see shortcuts,
// and the menu keys of a custom-frame window (F10, or Alt pressed and released alone), which
// become WM_SYSCOMMAND SC_KEYMENU for the frame's owner to handle.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/Form.h"
#include "platform/NonClientMessages.h"
#include "platform/VirtualKeys.h"

namespace {

class ShortCutFilter : public QObject {
 public:
  ShortCutFilter(TForm& form, QWidget* window) : form_(form), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress) altAlone_ = false;  // Alt with a drag is no menu key
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) return MenuKeyReleased(*key);
    if (key->key() != Qt::Key_Alt) altAlone_ = false;
    else if (!key->isAutoRepeat()) altAlone_ = (key->modifiers() & ~Qt::AltModifier) == Qt::NoModifier;
    if (form_.HasCustomFrame() && key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
      form_.Perform(WM_SYSCOMMAND, SC_KEYMENU);
      return true;
    }
    if (!form_.OnShortCut) return false;
    TWMKey message{VirtualKeyOf(*key), 0};
    if (message.CharCode == 0) return false;
    const Qt::KeyboardModifiers mods = key->modifiers();
    if (mods & Qt::ShiftModifier) message.Shift |= ssShift;
    if (mods & Qt::AltModifier) message.Shift |= ssAlt;
    if (mods & Qt::ControlModifier) message.Shift |= ssCtrl;
    bool handled = false;
    form_.OnShortCut(message, handled);
    return handled;
  }

 private:
  bool MenuKeyReleased(const QKeyEvent& key) {
    if (key.key() != Qt::Key_Alt || key.isAutoRepeat() || !altAlone_) return false;
    altAlone_ = false;
    if (form_.HasCustomFrame()) form_.Perform(WM_SYSCOMMAND, SC_KEYMENU);
    return false;
  }

  TForm& form_;
  QWidget* window_;
  bool altAlone_ = false;
};

}  // namespace

std::unique_ptr<QObject> TForm::MakeShortCutFilter() {
  auto filter = std::make_unique<ShortCutFilter>(*this, window_.get());
  if (qApp) qApp->installEventFilter(filter.get());
  return filter;
}
