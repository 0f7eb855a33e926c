// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include <limits>

#include "platform/Font.h"
#include "platform/Form.h"

TEST(Font, SizeAndHeightConvertAt96Dpi) {
  TFont font;
  font.Height = -19;
  EXPECT_EQ(font.Size(), 14);  // 19 * 72 / 96 = 14.25
  font.SetSize(14);
  EXPECT_EQ(font.Height, -19);  // 14 * 96 / 72 = 18.67
  font.SetSize(9);
  EXPECT_EQ(font.Height, -12);
  EXPECT_EQ(MulDiv(-5, 3, 2), -8);  // half away from zero
  EXPECT_EQ(MulDiv(5, 3, 0), -1);
  // A result beyond 32 bits fails as the platform's does; sizes from damaged files stay defined.
  EXPECT_EQ(MulDiv(1610612736, 96, 72), -1);
  EXPECT_EQ(MulDiv(-1610612736, 96, 72), std::numeric_limits<int>::min());
  font.SetSize(1610612736);
  EXPECT_EQ(font.Height, 1);
  font.SetSize(-1610612736);
  EXPECT_EQ(font.Height, std::numeric_limits<int>::min());  // the negation wraps
  EXPECT_EQ(font.ToQFont().pixelSize(), std::numeric_limits<int>::max());
}

TEST(Font, SongNamesResolveToAnInstalledCjkFont) {
  for (const char* name : {"宋体", "SimSun"}) {
    TFont font;
    font.Name = QString::fromUtf8(name);
    font.Height = -16;
    const QString family = QFontInfo(font.ToQFont()).family();
    EXPECT_TRUE(family.contains(QStringLiteral("UMing")) || family.contains(QStringLiteral("WenQuanYi")))
        << name << " -> " << family.toStdString();
    EXPECT_EQ(QFontInfo(font.ToQFont()).pixelSize(), 16);
  }
  TFont arial;
  arial.Name = QStringLiteral("Arial");
  EXPECT_EQ(QFontInfo(arial.ToQFont()).family(), QStringLiteral("Liberation Sans"));
}

TEST(Font, PositiveHeightIsTheCellHeight) {
  TFont font;
  font.Name = QStringLiteral("宋体");
  font.Height = 20;
  EXPECT_LE(QFontMetrics(font.ToQFont()).height(), 20);
  EXPECT_GE(QFontMetrics(font.ToQFont()).height(), 17);
}

TEST(Font, CellHeightsFindTheLargestFittingSizeAtAnySize) {
  TFont font;
  font.Name = QStringLiteral("宋体");
  for (int height = 1; height <= 40; ++height) {
    font.Height = height;
    QFont walked = font.ToQFont();
    int pixels = height;  // the plain walk down from the cell height
    walked.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(walked).height() > height) walked.setPixelSize(--pixels);
    EXPECT_EQ(font.ToQFont().pixelSize(), pixels) << height;
  }
  // A cell of 2^31 - 1 pixels from a damaged file takes a few dozen measurements, not billions.
  font.Height = std::numeric_limits<int>::max();
  EXPECT_GE(font.ToQFont().pixelSize(), 1);
}

// Names that cannot be found are left out of what a font asks for (each one would be searched for
// again with every use); the font drawn must be the very one that asking for all of them gives.
TEST(Font, LeavingOutNamesThatCannotBeFoundDrawsTheSameFont) {
  for (const char* name : {"宋体", "SimSun", "Arial", "Tahoma", "No Such Family", "WenQuanYi Zen Hei", "DejaVu Sans"}) {
    for (const int height : {-16, 14, 16}) {
      TFont font;
      font.Name = QString::fromUtf8(name);
      font.Height = height;
      font.Style = height == 16 ? TFontStyles(TFontStyle::fsBold) : TFontStyles();
      const QFont asked = font.ToQFont();
      QFont everything = asked;
      everything.setFamilies(FontFamiliesFor(font.Name));
      EXPECT_EQ(QFontInfo(asked).family(), QFontInfo(everything).family()) << name;
      EXPECT_EQ(QFontInfo(asked).pixelSize(), QFontInfo(everything).pixelSize()) << name;
      const QString sample = QStringLiteral("Lumetra2.0版 第一幕");
      EXPECT_EQ(QFontMetrics(asked).horizontalAdvance(sample), QFontMetrics(everything).horizontalAdvance(sample)) << name;
      EXPECT_EQ(QFontMetrics(asked).height(), QFontMetrics(everything).height()) << name;
    }
  }
}

TEST(Font, AFormMadeInItsOwnFontHasItFromTheStartAndOthersTheDefault) {
  TFont song;
  song.Name = QStringLiteral("宋体");
  song.Height = -16;
  const TForm own(song);
  EXPECT_EQ(own.Font().Name, song.Name);
  EXPECT_EQ(own.Font().Height, -16);
  EXPECT_EQ(own.Client()->font(), song.ToQFont());
  const TForm plain;
  EXPECT_EQ(plain.Font().Name, TFont().Name);
  EXPECT_EQ(plain.Client()->font(), TFont().ToQFont());
}
