// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The skinned push button from the keyboard and in groups, its refused property values, and its
// look without a skin.
#include <QAction>

#include "SkinButtonFixture.h"

namespace {

class SkinButtonKeysTest : public SkinButtonFixture {
 protected:
  TSkinButton* AddButton(int left, const QString& caption, int* counter) {
    auto* other = new TSkinButton(&window);
    other->SetBounds(left, 40, 60, 25);
    other->SetSkinData(&skin);
    other->SetCaption(caption);
    other->OnClick = [counter](TSkinControl*) { ++*counter; };
    other->show();
    return other;
  }
};

}  // namespace

TEST_F(SkinButtonKeysTest, SpaceClicksAtReleaseAndEnterClicksOnce) {
  button->setFocus();
  ASSERT_TRUE(button->hasFocus());
  QTest::keyPress(button, Qt::Key_Space);
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(clicks, 0);
  QTest::keyRelease(button, Qt::Key_Space);
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(clicks, 1);

  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(clicks, 2);

  // With repeat on, every key-down clicks (the key's own repeat).
  button->RepeatMode = true;
  QTest::keyPress(button, Qt::Key_Space);
  QTest::keyPress(button, Qt::Key_Space);
  EXPECT_EQ(clicks, 4);
  // Losing the focus drops the held state without a click.
  edit->setFocus();
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(clicks, 4);
}

TEST_F(SkinButtonKeysTest, DefaultCancelAndAcceleratorKeysReachTheirButtons) {
  int cancelClicks = 0, goClicks = 0;
  TSkinButton* cancel = AddButton(80, QStringLiteral("Cancel"), &cancelClicks);
  TSkinButton* go = AddButton(150, QStringLiteral("&Go"), &goClicks);
  button->SetDefault(true);
  cancel->Cancel = true;
  edit->setFocus();
  ASSERT_TRUE(button->IsActiveDefault());

  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(clicks, 1);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(cancelClicks, 1);
  QTest::keyClick(edit, Qt::Key_Escape, Qt::ShiftModifier);
  EXPECT_EQ(cancelClicks, 1);

  // Alt with the accelerator focuses the button and clicks it, whatever has the focus; the
  // line edit gets no character.
  QTest::keyClick(edit, Qt::Key_G, Qt::AltModifier);
  EXPECT_EQ(goClicks, 1);
  EXPECT_TRUE(go->hasFocus());
  EXPECT_TRUE(edit->text().isEmpty());
  // A plain letter no control takes is an accelerator too.
  QTest::keyClick(go, Qt::Key_G);
  EXPECT_EQ(goClicks, 2);

  // The focused button is now the one Enter clicks, once.
  EXPECT_FALSE(button->IsActiveDefault());
  EXPECT_TRUE(go->IsActiveDefault());
  QTest::keyClick(go, Qt::Key_Return);
  EXPECT_EQ(goClicks, 3);
  EXPECT_EQ(clicks, 1);

  // A disabled default button ignores Enter.
  edit->setFocus();
  button->setEnabled(false);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(clicks, 1);
}

TEST_F(SkinButtonKeysTest, AGroupButtonNeverTakesTheFocusAndReleasesItsPartner) {
  int otherClicks = 0;
  TSkinButton* other = AddButton(100, QStringLiteral("B"), &otherClicks);
  button->SetGroupIndex(1);
  other->SetGroupIndex(1);
  EXPECT_FALSE(button->CanFocused());
  EXPECT_FALSE(button->TabStop());
  EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);

  // A press clicks at once and leaves the button down; the focus stays where it was.
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_EQ(clicks, 1);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(button->Down());
  EXPECT_TRUE(edit->hasFocus());

  QTest::mouseClick(other, Qt::LeftButton);
  EXPECT_TRUE(other->Down());
  EXPECT_FALSE(button->Down());

  // Clicking the down one again keeps it down, unless all may be up.
  QTest::mouseClick(other, Qt::LeftButton);
  EXPECT_TRUE(other->Down());
  other->AllowAllUp = true;
  QTest::mouseClick(other, Qt::LeftButton);
  EXPECT_FALSE(other->Down());
  EXPECT_EQ(otherClicks, 2);

  // Tab passes them by.
  auto* last = new QLineEdit(&window);
  last->setGeometry(120, 90, 100, 24);
  last->show();
  QWidget::setTabOrder(edit, button);
  QWidget::setTabOrder(button, other);
  QWidget::setTabOrder(other, last);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_TRUE(last->hasFocus());
}

TEST_F(SkinButtonKeysTest, RefusesOutOfRangeMarginsAndGlyphCounts) {
  EXPECT_EQ(button->Margin(), -1);
  button->SetMargin(-2);
  EXPECT_EQ(button->Margin(), -1);
  button->SetMargin(3);
  EXPECT_EQ(button->Margin(), 3);
  button->SetMargin(-2);
  EXPECT_EQ(button->Margin(), 3);
  button->SetMargin(-1);
  EXPECT_EQ(button->Margin(), -1);

  button->SetNumGlyphs(5);
  button->SetNumGlyphs(0);
  EXPECT_EQ(button->NumGlyphs(), 1);
  button->SetNumGlyphs(4);
  EXPECT_EQ(button->NumGlyphs(), 4);
}

TEST_F(SkinButtonKeysTest, AGlyphIsDrawnTransparentlyAndMovesWhenPressed) {
  // A 6 × 6 glyph: a white border (its transparent colour, from the bottom-left pixel) around a
  // 4 × 4 red square; centred with no caption.
  TBitmap glyph(6, 6);
  glyph.Image().fill(Qt::white);
  for (int y = 1; y < 5; ++y)
    for (int x = 1; x < 5; ++x) glyph.Image().setPixel(x, y, qRgb(255, 0, 0));
  button->SetGlyph(glyph);
  const auto redPixels = [](const QImage& image, QRect* bounds) {
    int count = 0;
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF0000) {
          ++count;
          box |= QRect(x, y, 1, 1);
        }
    *bounds = box;
    return count;
  };
  QRect normal, pressed;
  EXPECT_EQ(redPixels(Shown(), &normal), 16);
  // Centred in the text area (2, 2, 73, 19): at (37 - 3, 10 - 3) for the 6 × 6 cell.
  EXPECT_EQ(normal, QRect(35, 8, 4, 4));
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(redPixels(Shown(), &pressed), 16);
  EXPECT_EQ(pressed, normal.translated(1, 1));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
}

TEST_F(SkinButtonKeysTest, WithoutASkinTheButtonHasItsPlainFramedLook) {
  button->SetSkinData(nullptr);
  button->SetBounds(10, 10, 75, 25);
  EXPECT_EQ(button->SkinObjectIndex(), -1);
  EXPECT_EQ(button->size(), QSize(75, 25));
  QImage shown = Shown();
  EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, QColor(ToQColor(clBtnShadow)).rgb() & 0xFFFFFF);
  EXPECT_EQ(shown.pixel(3, 3) & 0xFFFFFF, QColor(ToQColor(clBtnFace)).rgb() & 0xFFFFFF);
  QTest::mouseMove(button, QPoint(3, 3));
  shown = Shown();
  EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, QColor(ToQColor(0x800000)).rgb() & 0xFFFFFF);
  EXPECT_EQ(shown.pixel(3, 3) & 0xFFFFFF, QColor(ToQColor(0xD2BDB6)).rgb() & 0xFFFFFF);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(Shown().pixel(3, 3) & 0xFFFFFF, QColor(ToQColor(0xB59385)).rgb() & 0xFFFFFF);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(clicks, 1);
}

TEST_F(SkinButtonKeysTest, AnActionGivesTextAndStateAndRunsWithoutOnClick) {
  QAction action(QStringLiteral("Run"));
  int triggered = 0;
  QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
  button->OnClick = nullptr;
  button->SetAction(&action);
  EXPECT_EQ(button->Caption(), QStringLiteral("Run"));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(triggered, 1);
  action.setEnabled(false);
  EXPECT_FALSE(button->isEnabled());
}
