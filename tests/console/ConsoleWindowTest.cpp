// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "support/ConsoleFixture.h"
#include "wire/DisplayModes.h"
#include "wire/LedFrame.h"

using ConsoleWindow = ConsoleFixture;

TEST_F(ConsoleWindow, FollowsItsLayoutRules) {
  EXPECT_EQ(form->Caption(), QStringLiteral("Lumetra2.0版"));
  EXPECT_EQ(form->ClientWidth(), 530);
  EXPECT_EQ(form->ClientHeight(), 337);
  EXPECT_EQ(form->Client()->palette().color(QPalette::Window), QColor(192, 220, 192));

  // The preview is one page of the sign; the caption list and the play list mirror each other
  // side by side.
  EXPECT_EQ(form->Image1->size(), QSize(kLedWidth, kLedHeight));
  EXPECT_EQ(form->Memo1->size(), form->ListBox1->size());
  EXPECT_EQ(form->Memo1->y(), form->ListBox1->y());
  EXPECT_LT(form->Memo1->geometry().right(), form->ListBox1->x());

  // The skinned buttons keep the width they are placed with and take the skin button's height.
  const int button = form->SkinData1.GetControlIndex(QStringLiteral("button"));
  ASSERT_GE(button, 0);
  const int skinHeight = form->SkinData1.SkinControls[std::size_t(button)]->SkinRect.Height();
  for (const TSkinButton* b : {form->SkinButton1, form->SkinButton2, form->SkinButton3, form->SkinButton4})
    EXPECT_EQ(b->size(), QSize(75, skinHeight)) << b->text().toStdString();

  // The plain command buttons stand beyond the client edge.
  for (const QWidget* hidden : {form->Button5, form->Button15, form->Button6})
    EXPECT_GE(hidden->x(), form->ClientWidth());

  // Texts: every label shows its whole text; each plain command button carries the text of the
  // skinned button that does the same.
  for (const QLabel* label : {form->Label3, form->Label4, form->Label5, form->Label6, form->Label7}) {
    EXPECT_FALSE(label->text().trimmed().isEmpty());
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
  }
  EXPECT_EQ(form->Button6->text(), form->SkinButton1->text());
  EXPECT_EQ(form->Button15->text(), form->SkinButton2->text());
  EXPECT_EQ(form->Button5->text(), form->SkinButton3->text());
  for (const QWidget* hidden : {static_cast<QWidget*>(form->Label1), static_cast<QWidget*>(form->Edit1),
                                static_cast<QWidget*>(form->UpDown1), static_cast<QWidget*>(form->Label2),
                                static_cast<QWidget*>(form->Edit2), static_cast<QWidget*>(form->UpDown2)})
    EXPECT_FALSE(hidden->isVisible());
  EXPECT_TRUE(form->Memo1->isVisible());
  // Beyond the client edge, yet still in the tab order after the play list.
  form->ListBox1->setFocus();
  for (QWidget* next : {static_cast<QWidget*>(form->Button5), static_cast<QWidget*>(form->Button15),
                        static_cast<QWidget*>(form->Button6), static_cast<QWidget*>(form->ComboBox1)}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus() || next->isAncestorOf(QApplication::focusWidget())) << next->metaObject()->className();
  }

  // Fonts and colours of the lists.
  EXPECT_EQ(form->Memo1->font().pixelSize(), 16);
  EXPECT_EQ(form->Memo1->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(form->ListBox1->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(form->ComboBox1->font().pixelSize(), 13);
  EXPECT_EQ(form->Label7->font().pixelSize(), 21);
  EXPECT_TRUE(form->Label7->font().bold() && form->Label7->font().italic() && form->Label7->font().underline());
}

TEST_F(ConsoleWindow, StartsWithTheDefaults) {
  EXPECT_EQ(form->ListBox1->count(), 0);
  EXPECT_TRUE(form->Memo1->toPlainText().isEmpty());
  EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("立即显示"));
  EXPECT_EQ(form->ComboBox1->count(), kDisplayModeCount);
  EXPECT_EQ(form->ComboBox1->itemText(19), QStringLiteral("从下至上逐行展开"));
  EXPECT_EQ(form->PortNumber(), 1);
  EXPECT_EQ(form->Edit3->text(), QStringLiteral("1"));
  EXPECT_EQ(form->CurrentSpeed(), 0);
  EXPECT_EQ(form->CurrentDwell(), 5);
  EXPECT_FALSE(form->CheckBox1->isChecked());
  for (const LineSetting& entry : form->LineSettings) EXPECT_EQ(entry, (LineSetting{0, 5, 0}));
  EXPECT_EQ(form->CaptionFont.Name, QStringLiteral("宋体"));
  EXPECT_EQ(form->CaptionFont.Height, -19);
  EXPECT_EQ(form->CaptionFont.Charset, GB2312_CHARSET);
  EXPECT_EQ(form->CaptionFont.Color, clRed);
  // The preview is black until the first send.
  const QImage& preview = form->Image1->Picture().Image();
  ASSERT_EQ(preview.size(), QSize(192, 16));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 192; ++x) ASSERT_EQ(QColor(preview.pixel(x, y)), QColor(Qt::black));
}

TEST_F(ConsoleWindow, WearsTheSkinsFrameAroundItsClientArea) {
  EXPECT_TRUE(form->SkinForm1.Skinned());
  EXPECT_EQ(form->SkinForm1.SkinData(), &form->SkinData1);
  EXPECT_EQ(form->SkinForm1.BorderIcons(), TBorderIcons(biRollUp));
  EXPECT_TRUE(form->Window()->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form->Width(), 555);
  EXPECT_EQ(form->Height(), 392);
  EXPECT_EQ(form->Client()->geometry(), QRect(13, 46, 530, 337));
  ASSERT_TRUE(form->WindowRgn().has_value());
  EXPECT_FALSE(form->WindowRgn()->contains(QPoint(0, 0)));
}

TEST_F(ConsoleWindow, IsCentredByOuterSize) {
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(form->Left(), (screen.width() - form->Width()) / 2);
  EXPECT_EQ(form->Top(), (screen.height() - form->Height()) / 2);
}

TEST_F(ConsoleWindow, FontCommandChangesTheCaptionFontOnlyWhenConfirmed) {
  form->SkinButton3->click();  // cancelled
  EXPECT_EQ(form->CaptionFont.Name, QStringLiteral("宋体"));
  dialogs->fontAnswers.push_back([](TFont& font) {
    font.Name = QStringLiteral("WenQuanYi Zen Hei");
    font.SetSize(12);
    font.Color = clBlue;
  });
  QTest::mouseClick(form->SkinButton3, Qt::LeftButton);
  EXPECT_EQ(form->CaptionFont.Name, QStringLiteral("WenQuanYi Zen Hei"));
  EXPECT_EQ(form->CaptionFont.Height, -16);
  EXPECT_EQ(form->LedFrame.Canvas.Font.Name, QStringLiteral("WenQuanYi Zen Hei"));
}

TEST_F(ConsoleWindow, QuitButtonClosesTheWindow) {
  QTest::mouseClick(form->SkinButton4, Qt::LeftButton);
  EXPECT_FALSE(form->Visible());
}

TEST_F(ConsoleWindow, LoadsTheStoredSkinAtStartUp) {
  EXPECT_FALSE(form->CompressedStoredSkin1.IsEmpty());
  EXPECT_EQ(form->SkinData1.CompressedStoredSkin(), &form->CompressedStoredSkin1);
  EXPECT_FALSE(form->SkinData1.Empty());
  EXPECT_FALSE(form->SkinData1.SkinChanging());
  EXPECT_EQ(form->SkinData1.SkinObjects.size(), 12u);
  EXPECT_GE(form->SkinData1.GetControlIndex(QStringLiteral("button")), 0);
  EXPECT_TRUE(dialogs->messages.isEmpty());
}
