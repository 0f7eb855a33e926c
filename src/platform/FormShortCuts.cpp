// Keys offered to the form before its focused control, as the platform's forms see shortcuts.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/Form.h"

namespace {

// The virtual key code of a Qt key; 0 for keys without one here.
int VirtualKeyOf(int key) {
  if (key == Qt::Key_Space) return VK_SPACE;
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Delete: return VK_DELETE;
    default: return 0;
  }
}

class ShortCutFilter : public QObject {
 public:
  ShortCutFilter(TForm& form, QWidget* window) : form_(form), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !form_.OnShortCut) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    TWMKey message{VirtualKeyOf(key->key()), 0};
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
  TForm& form_;
  QWidget* window_;
};

}  // namespace

std::unique_ptr<QObject> TForm::MakeShortCutFilter() {
  auto filter = std::make_unique<ShortCutFilter>(*this, window_.get());
  if (qApp) qApp->installEventFilter(filter.get());
  return filter;
}
