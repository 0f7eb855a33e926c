// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/ModeSelector.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <algorithm>

#include "wire/DisplayModes.h"

ModeSelector::ModeSelector(QWidget* parent, const QFont& font) : QComboBox(parent) {
  setFont(font);
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  addItems(DisplayModeNames());
  setMaxVisibleItems(kDisplayModeCount);
  lineEdit()->installEventFilter(this);
  connect(this, &QComboBox::activated, this, &ModeSelector::Activated);
  connect(lineEdit(), &QLineEdit::textEdited, this, &ModeSelector::TextEdited);
}

void ModeSelector::SetModeSilently(int mode) {
  const int index = mode >= 0 && mode < count() ? mode : -1;
  setCurrentIndex(index);
  reported_ = committed_ = index;
}

int ModeSelector::ListWidth() const {
  const QAbstractItemView* list = view();
  int widest = 0;
  for (int i = 0; i < count(); ++i) widest = std::max(widest, list->sizeHintForIndex(model()->index(i, 0)).width());
  // The list's frame, and room for its scroll bar where the screen is too short for every name.
  return widest + 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
}

void ModeSelector::showPopup() {
  // Measured as it opens: the list's font is the selector's, whatever it was set to last.
  view()->setMinimumWidth(ListWidth());
  QComboBox::showPopup();
}

void ModeSelector::AbandonEdit() {
  if (view()->isVisible()) hidePopup();
  if (currentIndex() != committed_ || hasFocus()) {
    SelectKeepingText(committed_, committed_ >= 0 ? itemText(committed_) : QString());
    reported_ = committed_;
  }
  clearFocus();
}

void ModeSelector::Activated(int index) {
  committed_ = index;
  if (index == reported_) return;
  reported_ = index;
  emit modeChosen(index);
}

bool ModeSelector::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    erasing_ = key == Qt::Key_Backspace || key == Qt::Key_Delete;
  }
  return QComboBox::eventFilter(watched, event);
}

void ModeSelector::SelectKeepingText(int index, const QString& text) {
  const QSignalBlocker blocker(lineEdit());
  setCurrentIndex(index);
  lineEdit()->setText(text);
}

void ModeSelector::TextEdited(const QString& text) {
  int match = -1;
  if (!erasing_ && !text.isEmpty()) {
    for (int i = 0; i < count() && match < 0; ++i)
      if (itemText(i).startsWith(text, Qt::CaseInsensitive)) match = i;
  }
  if (match < 0) {
    SelectKeepingText(-1, text);
    reported_ = -1;  // no mode is no choice: nothing to store
    return;
  }
  // Complete the name and leave the completed tail selected, so typing on replaces it.
  SelectKeepingText(match, itemText(match));
  lineEdit()->setSelection(int(text.size()), int(itemText(match).size() - text.size()));
  Activated(match);
}
