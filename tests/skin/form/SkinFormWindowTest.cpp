// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The frame engine on a real window (offscreen): frame size and client placement, hit codes,
// dragging the caption with pointer events, repaints, skin changes while shown, the default
// frame and the borderless window.
#include <QApplication>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "platform/NonClientMessages.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinData.h"
#include "skin/form/SkinForm.h"
#include "support/QtPrinters.h"
#include "SkinnedWindowFixture.h"

namespace {

class SkinFormWindow : public SkinnedWindowTest {
 protected:
  // Sends a pointer event to the top-level widget at a screen point.
  void PointerAt(QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
    held = buttons;
    Pointer(type, global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton);
  }
};

// A second skin: a 320 x 120 frame picture (client 20,50,300,110), a mask, one caption object.
void WriteSecondSkin() {
  QImage mask(320, 120, QImage::Format_RGB32);
  mask.fill(Qt::black);
  mask.setPixel(0, 0, qRgb(255, 255, 255));
  WriteSkinFolder({{QStringLiteral("mask.bmp"), mask}},
            "[VERSION]\nskinname=second\n[PICTURES]\npicture=main.bmp\nmask=mask.bmp\nactivepicturescount=0\n"
            "[FORMINFO]\nlefttoppoint=40,50\nrighttoppoint=280,50\nleftbottompoint=40,110\nrightbottompoint=280,110\n"
            "clientrect=20,50,300,110\n[SKINOBJECTS]\ncount=1\n0=title:caption\n[title]\nskinrect=30,10,290,40\n"
            "textrect=0,0,260,30\nfontname=Arial\nfontheight=16\n[SKINCONTROLS]\ncount=0\n");
}

}  // namespace

TEST_F(SkinFormWindow, FrameIsTheSkinsAndTheClientSitsInside) {
  EXPECT_EQ(form.Width(), 555);
  EXPECT_EQ(form.Height(), 392);
  EXPECT_EQ(form.Client()->geometry(), QRect(13, 46, 530, 337));  // frame 13, 46, 12, 9
  EXPECT_TRUE(form.HasCustomFrame());
  EXPECT_TRUE(form.Window()->windowFlags() & Qt::FramelessWindowHint);
  // The window's outline follows the mask: rounded corners are cut, the client area is whole.
  ASSERT_TRUE(form.WindowRgn().has_value());
  const QRegion region = *form.WindowRgn();
  EXPECT_FALSE(region.contains(QPoint(0, 0)));
  EXPECT_FALSE(region.contains(QPoint(554, 0)));
  EXPECT_TRUE(region.contains(QPoint(20, 20)));
  EXPECT_TRUE(region.contains(QPoint(13, 46)));
  EXPECT_EQ(form.Window()->mask(), region);
  // The caption object widens with the window; the right-hand buttons follow the right edge.
  EXPECT_EQ(Object("caption").ObjectRect, (TRect{46, 16, 414, 35}));
  EXPECT_EQ(Object("closebutton").ObjectRect, (TRect{531, 15, 549, 33}));
  EXPECT_EQ(Object("rollupbutton").ObjectRect, (TRect{24, 15, 42, 33}));
  EXPECT_FALSE(Object("minimizebutton").Enabled);
  EXPECT_TRUE(Object("rollupbutton").Enabled);
}

TEST_F(SkinFormWindow, AHiddenWindowPaintsItsFrameOnlyWhenShown) {
  form.SetCaption(QStringLiteral("Another caption"));
  form.RedrawFrame();
  const QRgb unpainted = ToQColor(form.Color()).rgb();
  EXPECT_EQ(Frame().pixel(5, 5), unpainted);  // nothing painted while hidden
  ShowActive();
  const QImage shown = Frame();
  form.RedrawFrame();
  EXPECT_EQ(shown, Frame());  // the first paint after showing is the whole frame
  EXPECT_NE(shown.pixel(5, 5), unpainted);
}

TEST_F(SkinFormWindow, AnswersHitTestsOverTheFrame) {
  ShowActive();
  EXPECT_EQ(HitAt(50, 20), HTCAPTION);
  EXPECT_EQ(HitAt(100, 100), HTCLIENT);
  EXPECT_EQ(HitAt(5, 200), HTOBJECT);
  EXPECT_EQ(HitAt(540, 20), HTOBJECT);   // the close button
  EXPECT_EQ(HitAt(543, 200), HTOBJECT);  // the client's right edge is outside it
  EXPECT_EQ(HitAt(100, 383), HTOBJECT);  // and so is its bottom edge
  EXPECT_EQ(HitAt(414, 20), HTOBJECT);   // the caption's right edge
}

TEST_F(SkinFormWindow, DraggingTheCaptionMovesTheWindowAndPressesNoObject) {
  ShowActive();
  int presses = 0;
  engine.OnMouseDownEvent = [&](const QString&, int, int, const TRect&, TMouseButton) { ++presses; };
  const QPoint start = form.Window()->geometry().topLeft() + QPoint(60, 25);
  const QPoint before(form.Left(), form.Top());
  PointerAt(QEvent::MouseMove, start, Qt::NoButton);
  PointerAt(QEvent::MouseButtonPress, start, Qt::LeftButton);
  EXPECT_TRUE(form.InMoveSizeLoop());
  for (int step = 1; step <= 5; ++step)
    PointerAt(QEvent::MouseMove, start + QPoint(8 * step, 6 * step), Qt::LeftButton);
  PointerAt(QEvent::MouseButtonRelease, start + QPoint(40, 30), Qt::NoButton);
  EXPECT_FALSE(form.InMoveSizeLoop());
  EXPECT_EQ(QPoint(form.Left(), form.Top()), before + QPoint(40, 30));
  EXPECT_EQ(presses, 0);
  EXPECT_FALSE(engine.InSizeMove());

  // A press elsewhere on the frame goes to the object under the pointer, which holds it.
  const QPoint close = form.Window()->geometry().topLeft() + QPoint(540, 24);
  PointerAt(QEvent::MouseMove, close, Qt::NoButton);
  PointerAt(QEvent::MouseButtonPress, close, Qt::LeftButton);
  EXPECT_TRUE(static_cast<const TSkinButtonObject&>(Object("closebutton")).Down);
  EXPECT_FALSE(form.InMoveSizeLoop());
  EXPECT_TRUE(form.HasCapture());
  PointerAt(QEvent::MouseButtonRelease, close, Qt::NoButton);
  EXPECT_FALSE(form.HasCapture());
}

TEST_F(SkinFormWindow, CaptionTextChangeRepaintsTheCaptionAtOnce) {
  ShowActive();
  const QImage before = Frame();
  form.SetCaption(QStringLiteral("Another caption that is much longer"));
  const QImage after = Frame();
  const QRect text(46, 16, 300, 19);
  EXPECT_NE(before.copy(text), after.copy(text));
  // Only the caption bar changed.
  EXPECT_EQ(before.copy(0, 40, 555, 352), after.copy(0, 40, 555, 352));
  // An empty caption draws no text: the caption bar shows the bare frame picture.
  form.SetCaption(QString());
  const QImage bare = Frame();
  const QImage& picture = skin.Picture.Image();
  for (int x = 50; x < 100; ++x) ASSERT_EQ(bare.pixel(x, 25), picture.pixel(x, 25)) << x;
}

TEST_F(SkinFormWindow, ACaptionTooWideForItsAreaEndsInDotsInsideIt) {
  ShowActive();
  const QImage& picture = skin.Picture.Image();
  // A caption's "&" shows as it is, so it is measured and shortened as it shows.
  for (const QString& caption : {QString(200, u'W'), QString(400, u'&')}) {
    form.SetCaption(caption);
    const QImage frame = Frame();
    // The caption area ends at 414 (the caption object's right): nothing past it but the shadow.
    for (int y = 16; y < 35; ++y)
      for (int x = 416; x < 500; ++x)
        ASSERT_EQ(frame.pixel(x, y), picture.pixel(x - (555 - 277), y)) << caption.left(1).toStdString() << x << "," << y;
  }
}

TEST_F(SkinFormWindow, SecondSkinWhileShownRebuildsKeepsThePlaceAndGrowsToTheNewMinimum) {
  ShowActive();
  form.SetBounds(form.Left(), form.Top(), 300, 110);  // below the second skin's 320 x 60
  const QPoint place(form.Left(), form.Top());
  const QImage before = Frame();
  std::size_t objectsDuring = 99;
  bool frameUnchangedDuring = false;
  engine.OnBeforeChangeSkinData = [&](TSkinForm*) {
    objectsDuring = engine.ObjectList().size();
    form.Perform(WM_NCPAINT);  // no default frame while the skin changes
    frameUnchangedDuring = Frame() == before;
  };
  WriteSecondSkin();
  TCompressedStoredSkin second;
  ASSERT_TRUE(second.LoadFromIniFile("skin.ini"));
  skin.SetCompressedStoredSkin(&second);
  EXPECT_EQ(objectsDuring, 0u);
  EXPECT_TRUE(frameUnchangedDuring);
  ASSERT_TRUE(engine.Skinned());
  ASSERT_EQ(engine.ObjectList().size(), 1u);
  EXPECT_EQ(engine.ObjectList()[0]->IDName, QStringLiteral("title"));
  EXPECT_EQ(QPoint(form.Left(), form.Top()), place);
  EXPECT_EQ(form.Width(), 320);
  EXPECT_EQ(form.Height(), 110);
  EXPECT_EQ(form.Client()->geometry(), QRect(20, 50, 280, 50));
  EXPECT_EQ(Frame().pixel(100, 5) | 0xFF000000u, qRgb(40, 90, 160));
}

TEST(SkinFormDefaultFrame, NoSkinOrAnEmptySkinShowsTheDefaultFrame) {
  TForm form;
  form.SetBorderStyle(TFormBorderStyle::bsSingle);
  form.SetCaption(QStringLiteral("Plain"));
  TSkinForm engine(&form);
  TSkinData empty;  // never loaded: Empty
  engine.SetSkinData(&empty);
  form.SetBounds(50, 50, 300, 200);
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
  EXPECT_FALSE(engine.Skinned());
  EXPECT_EQ(form.Client()->geometry(), QRect(3, 22, 294, 175));
  EXPECT_FALSE(form.WindowRgn().has_value());
  form.RedrawFrame();
  const QImage frame = form.FrameImage();
  EXPECT_EQ(QColor(frame.pixel(0, 0)), ToQColor(cl3DLight));
  EXPECT_EQ(QColor(frame.pixel(299, 199)), ToQColor(cl3DDkShadow));
  EXPECT_EQ(QColor(frame.pixel(1, 100)), ToQColor(clBtnHighlight));
  EXPECT_EQ(QColor(frame.pixel(2, 100)), ToQColor(clBtnFace));
  // The six default buttons exist; only close and roll-up show with [biRollUp].
  engine.SetBorderIcons(biRollUp);
  EXPECT_EQ(engine.ObjectList().size(), 6u);
  EXPECT_EQ(engine.HitTestDefault({150, 10}), HTCAPTION);
  EXPECT_EQ(engine.HitTestDefault({150, 100}), HTCLIENT);
  EXPECT_EQ(engine.HitTestDefault({290, 10}), HTOBJECT);  // the close button
  EXPECT_EQ(engine.DefaultCaptionArea(), (TRect{20, 3, 263, 19}));
  EXPECT_EQ(int(form.Perform(WM_NCHITTEST, 0, PointToLParam({form.Left() + 150, form.Top() + 10}))), HTCAPTION);
}

TEST(SkinFormBorderless, BsNoneHasNoFrame) {
  TForm form;
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  TSkinForm engine(&form);
  TCompressedStoredSkin stored;
  TSkinData skin;
  engine.SetSkinData(&skin);
  stored.SetCompressedData(StoredSkinCompressedData());
  skin.SetCompressedStoredSkin(&stored);
  form.SetBounds(10, 10, 400, 300);
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
  EXPECT_EQ(form.Client()->geometry(), QRect(0, 0, 400, 300));
  EXPECT_FALSE(form.WindowRgn().has_value());
  const QImage before = form.FrameImage().copy();
  form.Perform(WM_NCPAINT);
  EXPECT_EQ(form.FrameImage(), before);
}

TEST(SkinFormAttach, NeedsAForm) {
  EXPECT_THROW(TSkinForm form(nullptr), Exception);
}
