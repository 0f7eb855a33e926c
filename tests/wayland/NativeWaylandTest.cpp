// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console on a Wayland compositor of its own (no X), driven by input the test gives its own
// windows; run by scripts/wayland-check.sh with QT_QPA_PLATFORM=wayland, which also hands it a
// folder for the compositor's screenshots (LUMETRA_SHOTS).
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include "platform/ApplicationHints.h"
#include "platform/GlobalCoordinates.h"
#include "platform/HintWindow.h"
#include "skin/form/SkinForm.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupWindow.h"
#include "support/ConsoleFixture.h"

namespace {

class NativeWayland : public ConsoleFixture {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland")) << "run me with QT_QPA_PLATFORM=wayland";
    ConsoleFixture::SetUp();
    // The compositor gives the focus to what its own pointer and keyboard pick: the test picks.
    QApplication::setActiveWindow(form->Window());
    QTRY_VERIFY(form->Window()->isActiveWindow());
  }

  QWindow* Window() const { return form->Window()->windowHandle(); }
  TSkinForm& Frame() { return form->SkinForm1; }

  const TActiveSkinObject& Object(const char* name) {
    for (const auto& object : Frame().ObjectList())
      if (object->IDName == QLatin1String(name)) return *object;
    ADD_FAILURE() << "no frame object " << name;
    return *Frame().ObjectList().front();
  }
  static QPoint Centre(const TActiveSkinObject& object) { return object.ObjectRect.ToQRect().center(); }

  // Pointer input as the compositor delivers it to a window, in that window's coordinates.
  void MoveTo(QWindow* window, QPoint at) {
    QTest::mouseMove(window, at);
    QCoreApplication::processEvents();
  }
  void Press(QWindow* window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(window, button, {}, at, 600);  // far apart in time: never a double click
  }
  void Release(QWindow* window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(window, button, {}, at, 10);
  }

  // The compositor's picture of its screen, as LUMETRA_SHOTS/native-<name>.png.
  void Shot(const QString& name) {
    const QString folder = qEnvironmentVariable("LUMETRA_SHOTS");
    if (folder.isEmpty()) return;
    QTest::qWait(200);  // the last frames reach the compositor
    QTemporaryDir scratch;
    QProcess shooter;
    shooter.setWorkingDirectory(scratch.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    QTRY_VERIFY_WITH_TIMEOUT(shooter.state() == QProcess::NotRunning, 10000);
    const QStringList taken = QDir(scratch.path()).entryList({QStringLiteral("*.png")});
    ASSERT_EQ(taken.size(), 1) << shooter.readAllStandardError().toStdString();
    const QString target = QDir(folder).filePath(QStringLiteral("native-%1.png").arg(name));
    QFile::remove(target);
    ASSERT_TRUE(QFile::rename(QDir(scratch.path()).filePath(taken.front()), target));
  }
};

}  // namespace

// The compositor places the new window; the window keeps to its own coordinates, where it
// stands at the origin, its outline is the input region and no decoration is added.
TEST_F(NativeWayland, TheFramelessWindowStandsWhereTheCompositorPutsIt) {
  QWidget* window = form->Window();
  EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window->pos(), QPoint(0, 0));
  EXPECT_EQ(form->Width(), 555);
  ASSERT_TRUE(form->WindowRgn().has_value());
  EXPECT_EQ(window->mask(), *form->WindowRgn());
  EXPECT_FALSE(window->mask().contains(QPoint(0, 0)));  // a cut corner takes no pointer
  Shot(QStringLiteral("frame"));
}

// Without the pointer's screen position the hover poll goes by the window's own pointer events;
// the pointer leaving the window lets go of the hovered button.
TEST_F(NativeWayland, TheHoverPollFollowsThePointerEventsTheWindowReceives) {
  const TActiveSkinObject& close = Object("closebutton");
  MoveTo(Window(), Centre(close));
  EXPECT_EQ(GetCursorPoint(), Centre(close));
  Frame().HoverTimer().Tick();
  EXPECT_TRUE(close.MouseIn);
  MoveTo(Window(), QPoint(200, 150));  // the client area
  Frame().HoverTimer().Tick();
  EXPECT_FALSE(close.MouseIn);

  MoveTo(Window(), Centre(close));
  Frame().HoverTimer().Tick();
  ASSERT_TRUE(close.MouseIn);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(Window(), &leave);
  EXPECT_EQ(GetCursorPos(), PointerNowhere);
  Frame().HoverTimer().Tick();
  EXPECT_FALSE(close.MouseIn);
}

// The system menu is a popup of the window, at the pointer in the window's coordinates; its lines
// follow the pointer events the popup itself receives; Escape closes it.
TEST_F(NativeWayland, TheSystemMenuIsAPopupOfTheWindowAtThePointer) {
  const QPoint caption(150, 25);
  MoveTo(Window(), caption);
  Press(Window(), caption, Qt::RightButton);
  Release(Window(), caption, Qt::RightButton);
  ASSERT_TRUE(Frame().SkinMenu().Visible());
  TSkinPopupWindow* popup = Frame().SkinMenu().PopupWindow(0);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
  EXPECT_EQ(popup->windowType(), Qt::ToolTip);
  EXPECT_EQ(popup->windowHandle()->transientParent(), Window());
  EXPECT_EQ(popup->pos(), caption);
  Shot(QStringLiteral("system-menu"));

  // "Ro&llUp", "-", "&Close": the pointer on the last line selects it.
  const QPoint closeLine = popup->Content().Item(2).Rect.ToQRect().center();
  MoveTo(popup->windowHandle(), closeLine);
  popup->PollPointer();
  EXPECT_EQ(popup->SelectedIndex(), 2);
  QTest::keyClick(form->Memo1, Qt::Key_Escape);
  EXPECT_FALSE(Frame().SkinMenu().Visible());
  EXPECT_FALSE(Frame().SkinMenuOpen());
}

// A double click on the caption rolls the window up to its 55-pixel frame and back.
TEST_F(NativeWayland, ADoubleClickOnTheCaptionRollsTheWindowUp) {
  const QPoint caption(150, 25);
  const int height = form->Height();
  MoveTo(Window(), caption);
  QTest::mouseDClick(Window(), Qt::LeftButton, {}, caption);
  ASSERT_TRUE(Frame().RollUpState());
  QTRY_COMPARE(form->Height(), 55);
  Shot(QStringLiteral("rolled-up"));
  QTest::mouseDClick(Window(), Qt::LeftButton, {}, caption);
  QTRY_COMPARE(form->Height(), height);
}

// A drag on the caption asks the compositor for its move, and the window never moves itself: the
// compositor refuses a move that no press of its own pointer began (as the test's presses), and
// the window stays.
TEST_F(NativeWayland, ADragOnTheCaptionIsTheCompositorsMove) {
  QStringList seen;
  const TWndMethod inner = form->WindowProc;
  form->WindowProc = [&seen, inner](TMessage& m) {
    if (m.Msg == WM_ENTERSIZEMOVE) seen << QStringLiteral("enter");
    if (m.Msg == WM_MOVING) seen << QStringLiteral("moving");
    if (m.Msg == WM_EXITSIZEMOVE) seen << QStringLiteral("exit");
    inner(m);
  };
  const QPoint caption(150, 25);
  MoveTo(Window(), caption);
  Press(Window(), caption);
  for (int i = 1; i <= 10; ++i) QTest::mouseMove(Window(), caption + QPoint(12 * i, 8 * i));
  Release(Window(), caption + QPoint(120, 80));
  QCoreApplication::processEvents();
  EXPECT_EQ(seen, QStringList({"enter", "exit"}));
  EXPECT_FALSE(form->InMoveSizeLoop());
  EXPECT_EQ(form->Window()->pos(), QPoint(0, 0));
  form->WindowProc = inner;
}

// A control's tooltip is a popup of the control's window.
TEST_F(NativeWayland, AHintIsAPopupOfItsControlsWindow) {
  ApplicationHints().SetShowHint(true);
  ApplicationHints().ActivateHint(form->ListBox1, QPoint(120, 140), QStringLiteral("A hint"));
  THintWindow* hint = ApplicationHints().HintWindow();
  ASSERT_NE(hint, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(hint));
  EXPECT_EQ(hint->windowHandle()->transientParent(), Window());
  EXPECT_EQ(hint->pos(), QPoint(120, 140));
  Shot(QStringLiteral("hint"));
  ApplicationHints().SetShowHint(false);  // the hint window goes before the application
}
