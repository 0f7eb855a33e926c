// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "platform/ProgramIcon.h"

namespace {

void WriteIconFile(const QString& path, QColor colour, int pixels) {
  ASSERT_TRUE(QDir().mkpath(path.left(path.lastIndexOf(u'/'))));
  QImage image(pixels, pixels, QImage::Format_ARGB32);
  image.fill(colour);
  ASSERT_TRUE(image.save(path, "PNG"));
}

// An installed tree: the program in prefix/bin, its icons under prefix/share.
TEST(ProgramIcon, TakesEverySizeInstalledBesideTheProgramAndNothingElse) {
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("prefix/bin")));
  const QString hicolor = QStringLiteral("prefix/share/icons/hicolor/");
  WriteIconFile(hicolor + QStringLiteral("16x16/apps/lumetra.png"), Qt::red, 16);
  WriteIconFile(hicolor + QStringLiteral("32x32/apps/lumetra.png"), Qt::blue, 32);
  WriteIconFile(hicolor + QStringLiteral("48x48/apps/another.png"), Qt::green, 48);
  WriteIconFile(hicolor + QStringLiteral("scalable/apps/lumetra.png"), Qt::green, 64);

  const QIcon icon = InstalledProgramIcon(QDir::current().filePath(QStringLiteral("prefix/bin")),
                                          QStringLiteral("../share"), QStringLiteral("lumetra"));
  EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
  EXPECT_EQ(icon.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
  EXPECT_EQ(icon.pixmap(32, 32).toImage().pixelColor(8, 8), QColor(Qt::blue));
}

TEST(ProgramIcon, NoneInstalledGivesNoIcon) {
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("build/src/app")));
  EXPECT_TRUE(InstalledProgramIcon(QStringLiteral("build/src/app"), QStringLiteral("../share"), QStringLiteral("lumetra"))
                  .isNull());
}

}  // namespace
