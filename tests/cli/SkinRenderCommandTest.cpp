// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QImage>
#include <gtest/gtest.h>

#include "support/CliRunner.h"

namespace {

const QString kSkinIni = QStringLiteral(LUMETRA_SOURCE_DIR "/resources/skin/skin.ini");

void ExpectOneLineFailure(const CliRun& run) {
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
}

}  // namespace

TEST(CliSkinRender, DrawsAControlAtTheSizeItsSchemeAllows) {
  const CliRun run = RunCli({"skin-render", "--control", "button", "--size", "75x25", "-o", "b.png", "--ini", kSkinIni});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QImage image("b.png");
  EXPECT_EQ(image.size(), QSize(75, 21));  // the button keeps its skin's height
  // The same from the skin built into the program.
  ASSERT_EQ(RunCli({"skin-render", "--control", "button", "--size", "75x25", "-o", "stored.png"}).exitCode, 0);
  EXPECT_EQ(QImage("stored.png"), image);
}

TEST(CliSkinRender, DrawsTheFrameAndItsWindowRegion) {
  const CliRun run = RunCli({"skin-render", "--frame", "555x392", "-o", "f.png", "--ini", kSkinIni});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QImage frame("f.png");
  const QImage region("f-region.png");
  ASSERT_EQ(frame.size(), QSize(555, 392));
  ASSERT_EQ(region.size(), QSize(555, 392));
  // The client area always belongs to the window.
  EXPECT_EQ(region.pixel(100, 100) | 0xFF000000u, qRgb(0, 0, 0));
  // Corners keep the mask's pixels 1:1, the top-right one moved with the right side.
  const QImage mask(QStringLiteral(LUMETRA_SOURCE_DIR "/resources/skin/mask.bmp"));
  ASSERT_FALSE(mask.isNull());
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(qGray(region.pixel(x, y)) < 128, qGray(mask.pixel(x, y)) < 128) << x << "," << y;
      EXPECT_EQ(qGray(region.pixel(554 - x, y)) < 128, qGray(mask.pixel(mask.width() - 1 - x, y)) < 128);
    }

  ASSERT_EQ(RunCli({"skin-render", "--frame", "555x392", "--inactive", "-o", "i.png", "--ini", kSkinIni}).exitCode, 0);
  const QImage inactive("i.png");
  // This skin has no inactive picture and leaves "autorenderinginactiveimage" off: without a
  // caption an inactive window looks the same.
  EXPECT_EQ(inactive, frame);
}

TEST(CliSkinRender, RejectsBadRequestsWithOneLine) {
  ExpectOneLineFailure(RunCli({"skin-render", "--control", "nosuch", "--size", "10x10", "-o", "x.png"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--control", "button", "--size", "0x10", "-o", "x.png"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--control", "button", "-o", "x.png"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--frame", "20x20", "-o", "x.png"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--frame", "555x392"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--frame", "555x392", "-o", "x.png", "--ini", "missing.ini"}));
}
