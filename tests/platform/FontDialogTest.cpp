// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/FontChoices.h"
#include "platform/FontDialog.h"
#include "platform/QtDialogService.h"
#include "platform/QtTranslations.h"
#include "support/ModalDriver.h"

namespace {

TFont CaptionLikeFont(int height) {
  TFont font;
  font.Name = QStringLiteral("宋体");
  font.Charset = GB2312_CHARSET;
  font.Height = height;
  font.Color = clRed;
  return font;
}

}  // namespace

TEST(FontChoice, ConfirmingWithoutAChangeKeepsEveryHeight) {
  // Sizes round-trip through points lossily (-22 px is 16.5 pt, which reads back as 23 px), so a
  // size the operator left alone must not be re-derived from points.
  for (int height : {-22, -19, -13, 20}) {
    const TFont font = CaptionLikeFont(height);
    EXPECT_EQ(ApplyChoice(font, ChoiceOf(font)), font) << height;
  }
}

TEST(FontChoice, AppliesFamilyStyleSizeEffectsAndColourButKeepsTheCharacterSet) {
  const TFont font = CaptionLikeFont(-19);
  FontChoice choice = ChoiceOf(font);
  choice.family = QStringLiteral("WenQuanYi Zen Hei");
  choice.styleRow = 3;  // bold italic
  choice.points = 9;
  choice.strikeOut = true;
  choice.colour = clNavy;
  const TFont chosen = ApplyChoice(font, choice);
  EXPECT_EQ(chosen.Name, QStringLiteral("WenQuanYi Zen Hei"));
  EXPECT_EQ(chosen.Height, -12);
  EXPECT_EQ(chosen.Style, TFontStyle::fsBold | TFontStyle::fsItalic | TFontStyle::fsStrikeOut);
  EXPECT_EQ(chosen.Color, clNavy);
  EXPECT_EQ(chosen.Charset, GB2312_CHARSET);
}

TEST(FontChoice, ListsNameTheCurrentFontFirstAndEveryColourOnce) {
  EXPECT_EQ(FontDialogFamilies(QStringLiteral("宋体"), {QStringLiteral("A"), QStringLiteral("宋体")}),
            (QStringList{QStringLiteral("宋体"), QStringLiteral("A")}));
  EXPECT_EQ(FontDialogColours().size(), 16u);
  EXPECT_EQ(FontColourIndex(clRed), 9);
  EXPECT_EQ(FontColourIndex(clWindowText), 0);  // a system colour is matched by what it shows
  EXPECT_EQ(FontColourIndex(RGBColor(1, 2, 3)), -1);
  EXPECT_EQ(FontStyleIndex(TFontStyle::fsItalic | TFontStyle::fsUnderline), 1);
}

TEST(FontDialogWindow, AColourOutsideTheListStaysChosenUntilChanged) {
  TFont font = CaptionLikeFont(-19);
  font.Color = RGBColor(10, 20, 30);
  TFontDialogWindow dialog(font);
  EXPECT_EQ(dialog.ChosenFont(), font);
}

TEST(FontDialogWindow, TypingAFamilyPicksTheFirstMatchingRow) {
  TFontDialogWindow dialog(CaptionLikeFont(-19));
  dialog.show();
  auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("familyEdit"));
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("WenQuanYi Zen"));
  EXPECT_EQ(edit->text(), QStringLiteral("WenQuanYi Zen"));  // what was typed stays
  EXPECT_TRUE(dialog.ChosenFont().Name.startsWith(QStringLiteral("WenQuanYi Zen Hei")));
}

TEST(QtTranslations, QtsOwnDialogsFollowTheLocale) {
  ASSERT_TRUE(InstallQtTranslations(QLocale(QStringLiteral("zh_CN"))));
  QString okText;
  auto driver = ModalDriver::For<QMessageBox>([&okText](QMessageBox* box) {
    okText = box->button(QMessageBox::Ok)->text();
    box->accept();
  });
  QtDialogService().ShowMessage(QStringLiteral("Lumetra"), QStringLiteral("Disk full."));
  ASSERT_TRUE(driver->Ran());
  EXPECT_EQ(okText, QStringLiteral("确定"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("查找范围："));

  EXPECT_FALSE(InstallQtTranslations(QLocale(QStringLiteral("C"))));
}
