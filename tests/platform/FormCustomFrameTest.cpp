// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The form's custom-frame mode: the non-client protocol it runs through the window procedure
// once WS_CAPTION is cleared, its own move and size loop, and the system-frame mode left as it was.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

#include "platform/Form.h"
#include "platform/MoveSizeLoop.h"
#include "platform/NonClientMessages.h"
#include "platform/WindowDC.h"
#include "support/PointerEvents.h"

namespace {

// A frame of 4-pixel borders under a 20-pixel caption band; the band is HTCAPTION, the
// bottom-right 6 x 6 corner HTBOTTOMRIGHT, the rest of the frame HTOBJECT.
class FramedForm : public ::testing::Test {
 protected:
  void SetUp() override {
    const TWndMethod inherited = form.WindowProc;
    form.WindowProc = [this, inherited](TMessage& m) {
      log.push_back(m);
      if (m.Msg == WM_NCCALCSIZE) {
        TRect& r = reinterpret_cast<TNCCalcSizeParams*>(m.LParam)->rgrc[0];
        r = {r.Left + 4, r.Top + 20, r.Right - 4, r.Bottom - 4};
        return;
      }
      if (m.Msg == WM_NCHITTEST) {
        const TPoint p = PointFromLParam(m.LParam);
        const int x = p.X - form.Left(), y = p.Y - form.Top();
        m.Result = x >= form.Width() - 6 && y >= form.Height() - 6 ? HTBOTTOMRIGHT : y < 20 ? HTCAPTION : HTOBJECT;
        return;
      }
      if (m.Msg == WM_NCPAINT) {
        TWindowDC dc(form);
        dc.Canvas().ExcludeClipRect({4, 20, form.Width() - 4, form.Height() - 4});
        dc.Canvas().Brush.Color = clRed;
        dc.Canvas().FillRect(Rect(0, 0, form.Width(), form.Height()));
        return;
      }
      if (m.Msg == WM_GETMINMAXINFO) reinterpret_cast<TMinMaxInfo*>(m.LParam)->ptMinTrackSize = {150, 100};
      inherited(m);
    };
    form.SetBounds(40, 30, 200, 120);
    form.SetColor(clLime);
    form.SetStyle(form.Style() & ~WS_CAPTION);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
    log.clear();
  }

  std::vector<unsigned> Messages() const {
    std::vector<unsigned> out;
    for (const TMessage& m : log) out.push_back(m.Msg);
    return out;
  }
  const TMessage* Find(unsigned msg) const {
    for (const TMessage& m : log)
      if (m.Msg == msg) return &m;
    return nullptr;
  }

  void Pointer(QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons buttons) {
    SendPointer(form.Window(), type, global, button, buttons);
  }
  // A press and its release at a window point, the press at a time (milliseconds).
  void ClickAt(int x, int y, quint64 time, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* w = form.Window();
    QMouseEvent press(QEvent::MouseButtonPress, QPoint(x, y), QPoint(x, y), Global(x, y), button, button,
                      Qt::NoModifier);
    press.setTimestamp(time);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPoint(x, y), QPoint(x, y), Global(x, y), button, Qt::NoButton,
                        Qt::NoModifier);
    release.setTimestamp(time + 50);
    QApplication::sendEvent(w, &release);
  }
  QPoint Global(int x, int y) const { return form.Window()->geometry().topLeft() + QPoint(x, y); }

  TForm form;
  std::vector<TMessage> log;
};

}  // namespace

TEST_F(FramedForm, PlacesTheClientByTheFrameSizeAnswerAndReportsTheSize) {
  EXPECT_TRUE(form.HasCustomFrame());
  EXPECT_EQ(form.Width(), 200);
  EXPECT_EQ(form.Height(), 120);
  EXPECT_EQ(form.Client()->geometry(), QRect(4, 20, 192, 96));
  form.SetBounds(40, 30, 260, 150);
  EXPECT_EQ(Messages(), (std::vector<unsigned>{WM_NCCALCSIZE, WM_SIZE}));
  EXPECT_EQ(log[0].WParam, 1u);
  EXPECT_EQ(LOWORD(log[1].LParam), 252);
  EXPECT_EQ(HIWORD(log[1].LParam), 126);
  EXPECT_EQ(form.Client()->geometry(), QRect(4, 20, 252, 126));
  // The client size asked for makes the outer size with the frame around it.
  form.SetClientSize(100, 50);
  EXPECT_EQ(form.Width(), 108);
  EXPECT_EQ(form.Height(), 74);
}

TEST_F(FramedForm, PaintsTheFrameThroughTheWindowContextAndTheClientThroughEraseBackground) {
  form.RedrawFrame();
  ASSERT_NE(Find(WM_NCPAINT), nullptr);
  const QImage& frame = form.FrameImage();
  EXPECT_EQ(QColor(frame.pixel(1, 1)), QColor(Qt::red));
  EXPECT_EQ(QColor(frame.pixel(199, 119)), QColor(Qt::red));
  EXPECT_NE(QColor(frame.pixel(100, 60)), QColor(Qt::red));  // the excluded client area
  // The client's background is the default erase: the form's colour.
  const QImage client = form.Client()->grab().toImage();
  EXPECT_NE(Find(WM_ERASEBKGND), nullptr);
  EXPECT_EQ(QColor(client.pixel(10, 10)), ToQColor(clLime));
  // What the window shows is the frame image around the client.
  const QImage shown = form.Window()->grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(1, 1)), QColor(Qt::red));
  EXPECT_EQ(QColor(shown.pixel(100, 60)), ToQColor(clLime));
}

TEST_F(FramedForm, PointerOverTheFrameRunsHitTestCursorAndNonClientMessages) {
  Pointer(QEvent::MouseMove, Global(1, 60), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(Messages(), (std::vector<unsigned>{WM_NCHITTEST, WM_SETCURSOR, WM_NCMOUSEMOVE}));
  EXPECT_EQ(PointFromLParam(log[0].LParam), (TPoint{41, 90}));  // screen point
  EXPECT_EQ(LOWORD(log[1].LParam), HTOBJECT);
  EXPECT_EQ(HIWORD(log[1].LParam), int(WM_MOUSEMOVE));
  EXPECT_EQ(log[2].WParam, WPARAM(HTOBJECT));
  EXPECT_EQ(PointFromLParam(log[2].LParam), (TPoint{41, 90}));
  log.clear();
  Pointer(QEvent::MouseButtonPress, Global(1, 60), Qt::RightButton, Qt::RightButton);
  Pointer(QEvent::MouseButtonRelease, Global(1, 60), Qt::RightButton, Qt::NoButton);
  std::vector<unsigned> nonClient;
  for (unsigned m : Messages())
    if (m != WM_NCHITTEST && m != WM_SETCURSOR) nonClient.push_back(m);
  EXPECT_EQ(nonClient, (std::vector<unsigned>{WM_NCRBUTTONDOWN, WM_NCRBUTTONUP}));
  // With the capture taken, the frame's pointer arrives as client messages.
  log.clear();
  form.SetCapture();
  Pointer(QEvent::MouseButtonRelease, Global(1, 60), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(Messages(), (std::vector<unsigned>{WM_LBUTTONUP}));
  EXPECT_EQ(PointFromLParam(log[0].LParam), (TPoint{-3, 40}));  // client coordinates
}

TEST_F(FramedForm, CaptionPressMovesTheWindowWithItsOwnLoopWhereTheSystemHasNone) {
  const QPoint start = Global(50, 10);
  Pointer(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
  ASSERT_TRUE(form.InMoveSizeLoop());
  EXPECT_NE(Find(WM_ENTERSIZEMOVE), nullptr);
  Pointer(QEvent::MouseMove, start + QPoint(15, 7), Qt::NoButton, Qt::LeftButton);
  ASSERT_NE(Find(WM_MOVING), nullptr);
  Pointer(QEvent::MouseMove, start + QPoint(30, -10), Qt::NoButton, Qt::LeftButton);
  Pointer(QEvent::MouseButtonRelease, start + QPoint(30, -10), Qt::LeftButton, Qt::NoButton);
  EXPECT_FALSE(form.InMoveSizeLoop());
  EXPECT_EQ(Messages().back(), WM_EXITSIZEMOVE);
  EXPECT_EQ(QPoint(form.Left(), form.Top()), QPoint(70, 20));
  EXPECT_EQ(form.Width(), 200);

  // A sizing code sizes, never below the minimum track size.
  log.clear();
  const QPoint corner = Global(197, 117);
  Pointer(QEvent::MouseButtonPress, corner, Qt::LeftButton, Qt::LeftButton);
  Pointer(QEvent::MouseMove, corner + QPoint(20, 10), Qt::NoButton, Qt::LeftButton);
  const TMessage* sizing = Find(WM_SIZING);
  ASSERT_NE(sizing, nullptr);
  EXPECT_EQ(sizing->WParam, WPARAM(WMSZ_BOTTOMRIGHT));
  EXPECT_EQ(form.Width(), 220);
  EXPECT_EQ(form.Height(), 130);
  EXPECT_EQ(form.Client()->geometry(), QRect(4, 20, 212, 106));
  Pointer(QEvent::MouseMove, corner - QPoint(150, 150), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(form.Width(), 150);
  EXPECT_EQ(form.Height(), 100);
  // Escape puts the window back where the loop began.
  QTest::keyClick(form.Window(), Qt::Key_Escape);
  EXPECT_FALSE(form.InMoveSizeLoop());
  EXPECT_EQ(form.Width(), 200);
  EXPECT_EQ(form.Height(), 120);
}

TEST(MoveSizeTarget, HoldsTheOppositeEdgeAndTheTrackSizes) {
  const TRect start{100, 100, 300, 200};
  EXPECT_EQ(MoveSizeTarget(HTCAPTION, start, {5, -7}, {}, {}), (TRect{105, 93, 305, 193}));
  EXPECT_EQ(MoveSizeTarget(HTLEFT, start, {-20, 9}, {50, 50}, {}), (TRect{80, 100, 300, 200}));
  EXPECT_EQ(MoveSizeTarget(HTTOPLEFT, start, {190, 90}, {50, 40}, {}), (TRect{250, 160, 300, 200}));
  EXPECT_EQ(MoveSizeTarget(HTBOTTOMRIGHT, start, {500, 500}, {50, 40}, {320, 240}), (TRect{100, 100, 420, 340}));
  EXPECT_EQ(SizingEdgeOf(HTTOPRIGHT), WMSZ_TOPRIGHT);
  EXPECT_EQ(SizingEdgeOf(HTCAPTION), 0);
}

TEST(FormSystemFrame, RunsNoNonClientProtocol) {
  TForm form;
  std::vector<unsigned> seen;
  const TWndMethod inherited = form.WindowProc;
  form.WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    inherited(m);
  };
  form.SetClientSize(300, 200);
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
  EXPECT_FALSE(form.HasCustomFrame());
  EXPECT_EQ(form.Client()->geometry(), QRect(0, 0, 300, 200));
  for (unsigned m : seen) EXPECT_TRUE(m != WM_NCCALCSIZE && m != WM_NCPAINT && m != WM_NCHITTEST) << m;
}

TEST_F(FramedForm, MakesTheFramesDoubleClicksFromThePressesAlone) {
  const auto presses = [this] {
    std::vector<unsigned> out;
    for (const TMessage& m : log)
      if (m.Msg >= WM_NCLBUTTONDOWN && m.Msg <= WM_NCMBUTTONDBLCLK && m.Msg != WM_NCLBUTTONUP &&
          m.Msg != WM_NCRBUTTONUP && m.Msg != WM_NCMBUTTONUP)
        out.push_back(m.Msg);
    log.clear();
    return out;
  };
  // On the frame's object area, so that no move loop runs: a second press soon and near is the
  // double click, a third press starts anew.
  ClickAt(100, 110, 1000);
  ClickAt(101, 111, 1200);
  ClickAt(101, 111, 1300);
  EXPECT_EQ(presses(), (std::vector<unsigned>{WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK, WM_NCLBUTTONDOWN}));
  // Too late, too far, another button: single presses; the right and middle buttons have their own.
  ClickAt(100, 110, 5000);
  ClickAt(100, 110, 6000);
  ClickAt(140, 110, 6100);
  ClickAt(140, 110, 6200, Qt::RightButton);
  ClickAt(140, 110, 6300, Qt::RightButton);
  ClickAt(140, 110, 6400, Qt::MiddleButton);
  EXPECT_EQ(presses(), (std::vector<unsigned>{WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN,
                                              WM_NCRBUTTONDBLCLK, WM_NCMBUTTONDOWN}));
  // The toolkit's own double click over the frame is a second press like any other.
  ClickAt(100, 110, 8000);
  QMouseEvent second(QEvent::MouseButtonDblClick, QPoint(100, 110), QPoint(100, 110), Global(100, 110),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  second.setTimestamp(8100);
  QApplication::sendEvent(form.Window(), &second);
  EXPECT_EQ(presses(), (std::vector<unsigned>{WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK}));
  // The caption's double click runs no move loop for its second press.
  ClickAt(60, 10, 9000);
  ClickAt(60, 10, 9100);
  EXPECT_FALSE(form.InMoveSizeLoop());
  EXPECT_EQ(presses(), (std::vector<unsigned>{WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK}));
}

// A skin is loaded before its window shows and sizes the window as it shows; the frame of each
// passing size was painted and thrown away before the window was even on the screen. It is
// painted once, at the window's first paint.
TEST(FormCustomFrame, ShowingPaintsTheFrameOnceAtTheFirstPaint) {
  TForm form;
  int paints = 0;
  const TWndMethod inherited = form.WindowProc;
  form.WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_SHOWWINDOW && m.WParam) {
      form.SetWidth(form.Width() - 1);
      form.RedrawFrame();
      form.SetWidth(form.Width() + 1);
      form.RedrawFrame();
    }
    if (m.Msg == WM_NCPAINT) {
      ++paints;
      TWindowDC dc(form);
      dc.Canvas().Brush.Color = clRed;
      dc.Canvas().FillRect(Rect(0, 0, form.Width(), form.Height()));
      return;
    }
    inherited(m);
  };
  form.SetBounds(40, 30, 200, 120);
  form.SetStyle(form.Style() & ~WS_CAPTION);
  form.RedrawFrame();
  EXPECT_EQ(paints, 0);
  form.Show();
  EXPECT_EQ(paints, 0);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
  form.Window()->grab();
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(form.FrameImage().size(), QSize(200, 120));
  EXPECT_EQ(QColor(form.FrameImage().pixel(199, 119)), QColor(Qt::red));
  // Once shown, a redraw paints at once again.
  form.RedrawFrame();
  EXPECT_EQ(paints, 2);
}
