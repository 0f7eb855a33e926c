// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The application's message hook: an application-wide event filter that turns key presses and
// wheel turns into the messages the hook looks at, installed only while a hook is set. A key
// press that types a character (without Alt) is followed by WM_CHAR with it, as the platform's
// message loop translates key presses.
#include <QApplication>
#include <QKeyEvent>

#include "platform/Application.h"
#include "platform/VirtualKeys.h"

namespace {

class MessageHookFilter : public QObject {
 public:
  explicit MessageHookFilter(const TMessageHook& hook) : hook_(hook) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The window delivers each event to its widget as well; look once, at the widget.
    if (!watched->isWidgetType() || !hook_) return false;
    TMessage message;
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool system =
          key->key() == Qt::Key_Alt || key->key() == Qt::Key_F10 || (key->modifiers() & Qt::AltModifier);
      message.Msg = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
      message.WParam = WPARAM(VirtualKeyOf(*key));
    } else if (event->type() == QEvent::Wheel) {
      message.Msg = WM_MOUSEWHEEL;
      message.WParam = WPARAM(std::uint32_t(std::int16_t(static_cast<QWheelEvent*>(event)->angleDelta().y())) << 16);
    } else {
      return false;
    }
    bool handled = false;
    // The hook may replace or remove itself, and removing it destroys this filter: from here on
    // only locals and the application's own hook, which outlives the filter.
    const TMessageHook& current = hook_;
    const TMessageHook hook = current;
    hook(message, handled);
    if (message.Msg == WM_KEYDOWN && current) {
      const QString text = static_cast<QKeyEvent*>(event)->text();
      if (!text.isEmpty() && text[0].isPrint()) {
        TMessage typed{WM_CHAR, WPARAM(text[0].unicode()), 0, 0};
        bool charHandled = false;
        const TMessageHook charHook = current;
        charHook(typed, charHandled);
        handled = handled || charHandled;
      }
    }
    return handled;
  }

 private:
  const TMessageHook& hook_;
};

}  // namespace

void TApplication::SetOnMessage(TMessageHook hook) {
  onMessage_ = std::move(hook);
  if (onMessage_ && !messageFilter_ && qApp) {
    messageFilter_ = std::make_unique<MessageHookFilter>(onMessage_);
    qApp->installEventFilter(messageFilter_.get());
  } else if (!onMessage_ && messageFilter_) {
    if (qApp) qApp->removeEventFilter(messageFilter_.get());
    messageFilter_.reset();
  }
}
