// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/CaptionListTabKeys.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

CaptionListTabKeys::CaptionListTabKeys(QPlainTextEdit* memo) : QObject(memo) {
  memo->setTabChangesFocus(true);
  memo->installEventFilter(this);
}

bool CaptionListTabKeys::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
         (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}
