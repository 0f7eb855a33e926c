// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/ConsoleFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>

void ConsoleFixture::SetUp() {
  dialogs = &ScriptedDialogs::Install();
  form = std::make_unique<TForm1>(QDir::currentPath());  // the test's own folder
  form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Window()));
}

void ConsoleFixture::TearDown() {
  form.reset();
  SetDialogService(nullptr);
}

void ConsoleFixture::SetCaptions(const QStringList& lines) { form->Memo1->setPlainText(lines.join(u'\n')); }

QPoint ConsoleFixture::PointOfLine(int line) {
  PlayList* list = form->ListBox1;
  QCoreApplication::processEvents();  // the list lays out its rows lazily
  const QModelIndex row = list->model()->index(line, 0);
  list->scrollTo(row);
  QCoreApplication::processEvents();
  return list->visualRect(row).center();
}

void ConsoleFixture::ClickLine(int line) {
  const QPoint at = PointOfLine(line);
  QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {}, at);
}

void ConsoleFixture::DoubleClickLine(int line) {
  PlayList* list = form->ListBox1;
  const QPoint at = PointOfLine(line);
  // Press, release, then the double-click: the first click selects, the double-click sends.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void ConsoleFixture::PressKeyInPlayList(Qt::Key key) {
  form->ListBox1->setFocus();
  QTest::keyClick(form->ListBox1, key);
}

void ConsoleFixture::ChooseMode(int mode) {
  QComboBox* box = form->ComboBox1;
  box->showPopup();
  QAbstractItemView* view = box->view();
  const QModelIndex index = view->model()->index(mode, 0);
  view->scrollTo(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
  QTRY_VERIFY(!view->isVisible());  // the list closes before the next action
}

void ConsoleFixture::TypeText(QWidget* widget, const QString& text) {
  // Key events carrying the characters, as an input method delivers them.
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}
