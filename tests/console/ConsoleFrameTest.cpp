// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console's skinned frame, worked as the operator works it: every way to close the window
// through the frame runs the console's close handling, which saves the working state; roll-up
// hides the controls and brings them back.
#include <QApplication>
#include <QDir>
#include <QFile>

#include "platform/NonClientMessages.h"
#include "show/WorkingState.h"
#include "support/ConsoleFixture.h"
#include "support/PointerEvents.h"

namespace {

class ConsoleFrame : public ConsoleFixture {
 protected:
  void SetUp() override {
    ConsoleFixture::SetUp();
    QApplication::setActiveWindow(form->Window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Window()));
    SetCaptions({"Act one", "Act two"});
    ASSERT_FALSE(QFile::exists(QStringLiteral("lw1.ini")));
  }

  // A click on a window point as a user makes it: the pointer arrives (and the frame's hover
  // poll sees it), then the button goes down and up.
  void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* window = form->Window();
    const QPoint at = window->geometry().topLeft() + QPoint(x, y);
    SendPointer(window, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    form->SkinForm1.HoverTimer().Tick();
    clock += 1000;  // clicks a second apart, never a double click
    SendPointer(window, QEvent::MouseButtonPress, at, button, button, clock);
    SendPointer(window, QEvent::MouseButtonRelease, at, button, Qt::NoButton, clock);
  }
  quint64 clock = 0;

  void ExpectClosedAndSaved() {
    EXPECT_FALSE(form->Visible());
    QFile saved(QStringLiteral("lw1.ini"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Act two"));
  }
};

}  // namespace

TEST_F(ConsoleFrame, TheCloseButtonSavesTheWorkingState) {
  ASSERT_EQ(form->Width(), 555);
  Click(540, 24);
  ExpectClosedAndSaved();
}

TEST_F(ConsoleFrame, ACloseThatCannotSaveIsReportedAndTheWindowStaysOpen) {
  // The state file's place is taken beside the program and in the user's folder.
  const QString userFile = UserStateFolder() + QStringLiteral("/lw1.ini");
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("lw1.ini")));
  ASSERT_TRUE(QDir().mkpath(userFile));
  Click(540, 24);
  EXPECT_TRUE(form->Visible());
  ASSERT_EQ(dialogs->messages.size(), 1);
  // The frame is still live: the close button works once the cause is gone.
  ASSERT_TRUE(QDir().rmdir(QStringLiteral("lw1.ini")));
  Click(540, 24);
  ExpectClosedAndSaved();
}

TEST_F(ConsoleFrame, AltF4SavesTheWorkingState) {
  form->Memo1->setFocus();
  QTest::keyClick(form->Memo1, Qt::Key_F4, Qt::AltModifier);
  ExpectClosedAndSaved();
}

TEST_F(ConsoleFrame, TheSystemMenusCloseSavesTheWorkingState) {
  Click(150, 25, Qt::RightButton);
  ASSERT_TRUE(form->SkinForm1.SkinMenuOpen());
  // Keys typed while the menu is open go to the menu, not to the caption list.
  form->Memo1->setFocus();
  QTest::keyClick(form->Memo1, Qt::Key_C);  // &Close
  ExpectClosedAndSaved();
  EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("Act one\nAct two"));
}

TEST_F(ConsoleFrame, RollingUpHidesTheControlsAndUnrollingBringsThemBack) {
  Click(33, 24);
  EXPECT_EQ(form->Height(), 55);
  EXPECT_EQ(form->ClientHeight(), 0);
  EXPECT_TRUE(form->Visible());
  Click(33, 24);
  EXPECT_EQ(form->ClientHeight(), 337);
  EXPECT_EQ(form->ClientWidth(), 530);
  EXPECT_EQ(form->ListBox1->count(), 2);
}
