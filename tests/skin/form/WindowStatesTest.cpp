// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The window states on real (offscreen) windows: maximise with the one-pixel gap and restore,
// roll-up combined with maximise, minimise (the application's for the main form, slots along the
// work area's bottom for others), the first placement, transparency, snapping and the tray.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/Menus.h"
#include "platform/NonClientMessages.h"
#include "skin/controls/SkinWindowOS.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinData.h"
#include "skin/form/SkinForm.h"
#include "skin/menus/SkinPopupMenu.h"
#include "support/PointerEvents.h"
#include "support/QtPrinters.h"

namespace {

// A skinned window of the program's skin at a given place, sizeable unless asked otherwise.
struct Window {
  TForm form;
  TSkinForm engine{&form};
  TCompressedStoredSkin stored;
  TSkinData skin;

  explicit Window(TRect bounds, TFormBorderStyle style = TFormBorderStyle::bsSizeable) {
    form.SetBorderStyle(style);
    engine.SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp);
    engine.SetSkinData(&skin);
    stored.SetCompressedData(StoredSkinCompressedData());
    skin.SetCompressedStoredSkin(&stored);
    form.SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  }
  TRect Bounds() const { return ::Bounds(form.Left(), form.Top(), form.Width(), form.Height()); }
};

struct GripBar : TComponent, TStatusBarGrip {
  bool gripVisible = true;
  void SetSizeGripVisible(bool visible) override { gripVisible = visible; }
};

TRect Screen() { return WorkAreaForWindow(nullptr, false); }

}  // namespace

TEST(WindowStates, MaximiseFillsTheWorkAreaLessAPixelAndRestoreComesBackExactly) {
  Window w(Bounds(100, 80, 555, 392));
  GripBar bar;
  w.engine.SetStatusBar(&bar);
  int maximised = 0, restored = 0;
  w.engine.OnMaximize = [&](TSkinForm*) { ++maximised; };
  w.engine.OnRestore = [&](TSkinForm*) { ++restored; };
  // The offscreen screen is the primary one and has no task bar: the one-pixel gap applies.
  ASSERT_EQ(WorkAreaForWindow(w.form.Window(), true), Screen());
  const TRect s = Screen();
  w.engine.SetWindowState(TSkinWindowState::Maximized);
  EXPECT_EQ(w.Bounds(), (TRect{s.Left + 1, s.Top + 1, s.Right - 1, s.Bottom - 1}));
  EXPECT_EQ(w.engine.WindowStates().RestoreBounds(), Bounds(100, 80, 555, 392));
  EXPECT_FALSE(bar.gripVisible);
  EXPECT_EQ(maximised, 1);
  // No sizing edges, and a move keeps the window where it is.
  const TPoint nearLeft{2, 200};
  EXPECT_NE(w.engine.HitTestSkinned(nearLeft), HTLEFT);
  TRect proposed = Bounds(50, 50, 100, 100);
  w.form.Perform(WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
  EXPECT_EQ(proposed, w.Bounds());

  w.engine.SetWindowState(TSkinWindowState::Normal);
  EXPECT_EQ(w.Bounds(), Bounds(100, 80, 555, 392));
  EXPECT_TRUE(w.engine.WindowStates().RestoreBounds().IsEmpty());
  EXPECT_TRUE(bar.gripVisible);
  EXPECT_EQ(restored, 1);
  EXPECT_EQ(w.engine.HitTestSkinned(nearLeft), HTLEFT);
}

TEST(WindowStates, ARollUpDoneWhileMaximisedEndsWithItAndOneDoneBeforeStays) {
  Window w(Bounds(100, 80, 555, 392));
  w.engine.SetWindowState(TSkinWindowState::Maximized);
  w.engine.SetRollUp(true);
  EXPECT_TRUE(w.engine.WindowStates().RolledUpWhileMaximized());
  EXPECT_EQ(w.form.Height(), 55);
  w.engine.SetWindowState(TSkinWindowState::Normal);
  EXPECT_FALSE(w.engine.RollUpState());
  EXPECT_EQ(w.Bounds(), Bounds(100, 80, 555, 392));

  // Rolled up first: maximised it stays rolled up and cannot be unrolled until restored.
  w.engine.SetRollUp(true);
  w.engine.SetWindowState(TSkinWindowState::Maximized);
  w.engine.SetRollUp(false);
  EXPECT_TRUE(w.engine.RollUpState());
  w.engine.SetWindowState(TSkinWindowState::Normal);
  EXPECT_TRUE(w.engine.RollUpState());
  EXPECT_EQ(w.Bounds(), Bounds(100, 80, 555, 55));
  w.engine.SetRollUp(false);
  EXPECT_EQ(w.form.Height(), 392);
}

TEST(WindowStates, RollUpKeepsTheHeightToComeBackToAndIsRefusedWhereItDoesNotApply) {
  Window w(Bounds(100, 80, 555, 392), TFormBorderStyle::bsSingle);
  w.engine.SetRollUp(true);
  w.engine.SetRollUp(true);  // asked twice: the height to come back to is not the rolled one
  w.engine.SetRollUp(false);
  EXPECT_EQ(w.form.Height(), 392);
  // Coming back to the client height the component asks for, when it asks for one.
  w.engine.ClientHeight = 200;
  w.engine.SetRollUp(true);
  w.engine.SetRollUp(false);
  EXPECT_EQ(w.form.ClientHeight(), 200);

  w.engine.SetBorderIcons(biSystemMenu);
  w.engine.SetRollUp(true);
  EXPECT_FALSE(w.engine.RollUpState());
  w.engine.SetBorderIcons(biRollUp | biMinimize);
  w.engine.SetWindowState(TSkinWindowState::Minimized);
  w.engine.SetRollUp(true);
  EXPECT_FALSE(w.engine.RollUpState());
}

TEST(WindowStates, TheCaptionsDoubleClickMaximisesAndRestoresASizeableWindow) {
  Window w(Bounds(100, 80, 555, 392));
  w.engine.WindowStates().CaptionDoubleClick();
  EXPECT_EQ(w.engine.SkinWindowState(), TSkinWindowState::Maximized);
  w.engine.WindowStates().CaptionDoubleClick();
  EXPECT_EQ(w.engine.SkinWindowState(), TSkinWindowState::Normal);
  w.engine.SetBorderIcons(biRollUp);  // without maximise it rolls up
  w.engine.WindowStates().CaptionDoubleClick();
  EXPECT_TRUE(w.engine.RollUpState());
  w.engine.SetBorderIcons(biRollUp | biMinimize);
  w.engine.SetRollUp(false);
  w.engine.SetWindowState(TSkinWindowState::Minimized);
  w.engine.WindowStates().CaptionDoubleClick();
  EXPECT_EQ(w.engine.SkinWindowState(), TSkinWindowState::Normal);
  EXPECT_EQ(w.Bounds(), Bounds(100, 80, 555, 392));
}

TEST(WindowStates, MinimisedWindowsTakeSlotsAlongTheBottomAndTheMainFormMinimisesTheApplication) {
  Window a(Bounds(100, 80, 555, 392)), b(Bounds(300, 200, 400, 300));
  a.form.Show();
  b.form.Show();
  int minimised = 0;
  b.engine.OnMinimize = [&](TSkinForm*) { ++minimised; };
  const TRect work = WorkAreaForWindow(a.form.Window(), true);
  a.engine.SetWindowState(TSkinWindowState::Minimized);
  b.engine.SetWindowState(TSkinWindowState::Minimized);
  EXPECT_EQ(a.Bounds(), Bounds(work.Left, work.Bottom - 55, 277, 55));
  EXPECT_EQ(b.Bounds(), Bounds(work.Left + 277, work.Bottom - 55, 277, 55));
  EXPECT_EQ(minimised, 1);
  // Minimised, only the caption moves the window.
  EXPECT_EQ(b.engine.HitTestSkinned({100, 25}), HTCAPTION);
  EXPECT_EQ(b.engine.HitTestSkinned({100, 45}), HTOBJECT);
  b.engine.SetWindowState(TSkinWindowState::Normal);
  EXPECT_EQ(b.Bounds(), Bounds(300, 200, 400, 300));

  Application().MainForm = &a.form;
  a.engine.SetWindowState(TSkinWindowState::Normal);
  a.engine.SetWindowState(TSkinWindowState::Minimized);
  EXPECT_TRUE(a.form.Window()->isMinimized());
  EXPECT_EQ(a.engine.SkinWindowState(), TSkinWindowState::Normal);
  Application().Restore();
  EXPECT_FALSE(a.form.Window()->isMinimized());
  Application().MainForm = nullptr;
}

TEST(WindowStates, FirstShowingCentresByPositionInMonitorOrKeepsThePlace) {
  Window kept(Bounds(100, 80, 555, 392), TFormBorderStyle::bsSingle);
  kept.form.Show();
  EXPECT_EQ(kept.Bounds(), Bounds(100, 80, 555, 392));
  EXPECT_FALSE(kept.engine.WindowStates().FirstShow());

  const TRect work = WorkAreaForWindow(nullptr, true);
  Window centred(Bounds(10, 10, 555, 392), TFormBorderStyle::bsSingle);
  centred.engine.PositionInMonitor = TPositionInMonitor::spDesktopCenter;
  centred.form.Show();
  EXPECT_EQ(centred.form.Left(), work.Left + work.Width() / 2 - 277);
  EXPECT_EQ(centred.form.Top(), work.Top + work.Height() / 2 - 196);

  // First shown maximised: the centring waits for the first restore.
  Window later(Bounds(10, 10, 555, 392));
  later.engine.PositionInMonitor = TPositionInMonitor::spScreenCenter;
  later.engine.SetWindowState(TSkinWindowState::Maximized);
  later.form.Show();
  EXPECT_TRUE(later.engine.WindowStates().FirstShow());
  later.engine.SetWindowState(TSkinWindowState::Normal);
  EXPECT_FALSE(later.engine.WindowStates().FirstShow());
  const TRect screen = Screen();
  const TPoint middle{screen.Left + screen.Width() / 2 - 277, screen.Top + screen.Height() / 2 - 196};
  EXPECT_EQ(later.Bounds(), Bounds(middle.X, middle.Y, 555, 392));
}

TEST(WindowStates, AlphaBlendingAndItsFadeIn) {
  Window w(Bounds(100, 80, 555, 392));
  QWidget* window = w.form.Window();
  w.engine.SetAlphaBlend(true);
  EXPECT_DOUBLE_EQ(window->windowOpacity(), 200 / 255.0);
  w.engine.SetAlphaBlendValue(100);
  EXPECT_DOUBLE_EQ(window->windowOpacity(), 100 / 255.0);
  // Shown, it starts invisible; a moment later it takes its value.
  w.form.Show();
  EXPECT_DOUBLE_EQ(window->windowOpacity(), 0.0);
  ASSERT_TRUE(w.engine.AlphaTimer().Active());
  w.engine.AlphaTimer().Tick();
  EXPECT_FALSE(w.engine.AlphaTimer().Active());
  EXPECT_DOUBLE_EQ(window->windowOpacity(), 100 / 255.0);
  // Hidden, it is opaque again; switched off, too.
  w.form.Hide();
  EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
  w.engine.SetAlphaBlend(false);
  EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);

  // The fade alone ends fully opaque.
  w.engine.AlphaBlendAnimation = true;
  w.form.Show();
  EXPECT_DOUBLE_EQ(window->windowOpacity(), 0.0);
  w.engine.AlphaTimer().Tick();
  EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
}

TEST(MagneticSnap, EdgesSnapFlushAndLetGoOnceThePointerMovesOn) {
  const TRect area{0, 0, 800, 600};
  const TSize size{100, 50};
  TSnapState state;
  const auto snap = [&](int left, int top, int cursorX, int cursorY) {
    return MagneticSnap(Bounds(left, top, 100, 50), size, area, 5, {cursorX, cursorY}, state);
  };
  EXPECT_EQ(snap(3, 200, 103, 225), Bounds(0, 200, 100, 50));  // near: flush
  EXPECT_TRUE(state.Left);
  EXPECT_EQ(snap(1, 200, 101, 225), Bounds(0, 200, 100, 50));  // held within the distance
  EXPECT_EQ(snap(-4, 200, 96, 225), Bounds(-7, 200, 100, 50));  // moved on: follows the pointer
  EXPECT_EQ(snap(20, 200, 120, 225), Bounds(17, 200, 100, 50));
  EXPECT_FALSE(state.Left);
  EXPECT_EQ(snap(22, 200, 122, 225), Bounds(22, 200, 100, 50));  // free again
  // Exactly the distance away is not near; the right and bottom edges snap to the area's.
  EXPECT_EQ(snap(5, 200, 105, 225), Bounds(5, 200, 100, 50));
  EXPECT_EQ(snap(697, 548, 747, 573), Bounds(700, 550, 100, 50));
  EXPECT_TRUE(state.Right);
  EXPECT_TRUE(state.Bottom);
}

TEST(MagneticSnap, AMagneticWindowSnapsWhileItsCaptionIsDragged) {
  Window w(Bounds(100, 80, 555, 392), TFormBorderStyle::bsSingle);
  w.engine.Magnetic = true;
  w.form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.form.Window()));
  QApplication::setActiveWindow(w.form.Window());
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.Window()));
  QWidget* window = w.form.Window();
  const auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButtons held) {
    SendPointer(window, type, global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held);
  };
  const QPoint start = window->geometry().topLeft() + QPoint(150, 25);
  send(QEvent::MouseButtonPress, start, Qt::LeftButton);
  ASSERT_TRUE(w.form.InMoveSizeLoop());
  send(QEvent::MouseMove, start - QPoint(97, 0), Qt::LeftButton);  // the left edge 3 pixels from the area's
  EXPECT_EQ(w.form.Left(), 0);
  send(QEvent::MouseMove, start - QPoint(99, 0), Qt::LeftButton);
  EXPECT_EQ(w.form.Left(), 0);
  send(QEvent::MouseButtonRelease, start - QPoint(99, 0), Qt::NoButton);
  EXPECT_FALSE(w.form.InMoveSizeLoop());
}

// A maximised window's caption holds it in place: a press there moves nothing and presses no
// caption object, as the move loop would have taken it.
TEST(WindowStates, ACaptionPressOnAMaximisedWindowPressesNoObject) {
  Window w(Bounds(100, 80, 555, 392));
  w.form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.form.Window()));
  QApplication::setActiveWindow(w.form.Window());
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.Window()));
  w.engine.SetWindowState(TSkinWindowState::Maximized);
  QStringList pressed;
  w.engine.OnMouseDownEvent = [&](const QString& id, int, int, const TRect&, TMouseButton) { pressed << id; };
  QWidget* window = w.form.Window();
  const QPoint caption = window->geometry().topLeft() + QPoint(150, 25);
  ASSERT_EQ(int(w.form.Perform(WM_NCHITTEST, 0, PointToLParam({caption.x(), caption.y()}))), HTCAPTION);
  SendPointer(window, QEvent::MouseButtonPress, caption, Qt::LeftButton, Qt::LeftButton);
  EXPECT_FALSE(w.form.InMoveSizeLoop());
  SendPointer(window, QEvent::MouseButtonRelease, caption, Qt::LeftButton, Qt::NoButton);
  EXPECT_TRUE(pressed.isEmpty()) << pressed.join(u',').toStdString();
  EXPECT_EQ(w.engine.CaptureIndex(), -1);
}

TEST(Tray, TheWindowGoesToTheTrayIconAndComesBackThroughItsMenu) {
  Window w(Bounds(100, 80, 555, 392));
  w.form.Show();
  w.engine.MinimizeToTray();  // without an icon nothing happens
  EXPECT_FALSE(w.form.Window()->isMinimized());

  TTrayIcon icon;
  w.engine.SetTrayIcon(&icon);
  EXPECT_FALSE(icon.IconVisible());
  ASSERT_EQ(icon.PopupMenu, &w.engine.TrayMenu());
  const TMenuItem& items = w.engine.TrayMenu().Items();
  ASSERT_EQ(items.Count(), 3);
  EXPECT_EQ(items.Items(0)->Name, QStringLiteral("TRAY_SF_RESTORE"));
  EXPECT_EQ(items.Items(0)->Caption, QStringLiteral("&Restore"));
  EXPECT_EQ(items.Items(2)->Caption, QStringLiteral("&Close"));
  EXPECT_EQ(items.Items(2)->ShortCutText(), QStringLiteral("Alt+F4"));

  int toTray = 0, fromTray = 0;
  w.engine.OnMinimizeToTray = [&](TSkinForm*) { ++toTray; };
  w.engine.OnRestoreFromTray = [&](TSkinForm*) { ++fromTray; };
  w.engine.AlwaysMinimizeToTray = true;
  w.engine.SetBorderIcons(biMinimize);
  w.engine.GetSystemMenuItems()->Items(0)->Click();  // Mi&nimize goes to the tray
  EXPECT_TRUE(icon.MinimizedToTray);
  EXPECT_TRUE(icon.IconVisible());
  EXPECT_TRUE(w.form.Window()->isMinimized());
  EXPECT_EQ(toTray, 1);
  icon.OnRestoreRequest();
  EXPECT_FALSE(icon.MinimizedToTray);
  EXPECT_FALSE(icon.IconVisible());
  EXPECT_FALSE(w.form.Window()->isMinimized());
  EXPECT_EQ(fromTray, 1);
}

TEST(Tray, AFreedIconIsForgotten) {
  Window w(Bounds(100, 80, 555, 392));
  {
    TTrayIcon icon;
    w.engine.AlwaysShowInTray = true;
    w.engine.SetTrayIcon(&icon);
    EXPECT_TRUE(icon.IconVisible());
  }
  EXPECT_EQ(w.engine.TrayIcon(), nullptr);
  w.engine.MinimizeToTray();
}
