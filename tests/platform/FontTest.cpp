#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "platform/Font.h"

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
