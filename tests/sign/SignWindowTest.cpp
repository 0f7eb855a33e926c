// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The sign's window (offscreen) and its output without one.
#include <gtest/gtest.h>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "sign/HeadlessReport.h"
#include "sign/SignWindow.h"
#include "support/QtPrinters.h"
#include "support/SignPackets.h"

namespace {

LedPage Diagonal() {
  LedPage page;
  for (int i = 0; i < kLedHeight; ++i) page.SetLit(i * 3, i, true);
  return page;
}

QColor DotCentre(const QImage& shot, const LedMatrixWidget& matrix, int x, int y) {
  const double pitch = matrix.Pitch();
  const QPointF centre = matrix.Origin() + QPointF((x + 0.5) * pitch, (y + 0.5) * pitch);
  return shot.pixelColor(centre.toPoint());
}

}  // namespace

TEST(SignWindow, PlaysWhatArrivesAndTellsAboutIt) {
  SignWindow window(QStringLiteral("/dev/pts/99"));
  window.resize(1000, 200);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  window.Receive(ValidPacket(2, {Diagonal()}));
  EXPECT_EQ(window.ModeText(), QStringLiteral("Mode: 2 move in from the left, 从左向右移入"));
  while (window.Player().Moving()) window.Player().Tick();
  EXPECT_EQ(window.Matrix()->Frame(), Diagonal());

  PacketReport broken;
  broken.bytes = 300;
  broken.error = QStringLiteral("page 0: the two copies of the picture differ at offset 90");
  window.Receive(broken);
  PacketReport stray;
  stray.stray = true;
  stray.error = QStringLiteral("3 bytes outside any packet at offset 300");
  window.Receive(stray);
  window.Receive(ValidPacket(255, {Diagonal()}));
  EXPECT_EQ(window.CountText(), QStringLiteral("Packets: 3   Faults: 2"));
  EXPECT_EQ(window.ErrorText(), QStringLiteral("Last error: 3 bytes outside any packet at offset 300"));
  EXPECT_EQ(window.ModeText(), QStringLiteral("Mode: 255 (not a known effect)"));
  EXPECT_EQ(window.Matrix()->Frame(), Diagonal()) << "an unknown mode shows at once";

  // Round dots, lit red and unlit dark, that grow with the window.
  const double small = window.Matrix()->Pitch();
  QImage shot = window.Matrix()->grab().toImage();
  EXPECT_GT(DotCentre(shot, *window.Matrix(), 3, 1).red(), 200);
  EXPECT_LT(DotCentre(shot, *window.Matrix(), 4, 1).red(), 80);
  const QPointF corner = window.Matrix()->Origin() + QPointF(small, small);
  EXPECT_EQ(shot.pixelColor(corner.toPoint()), QColor(Qt::black)) << "black between the dots";
  window.resize(2000, 400);
  QTRY_VERIFY_WITH_TIMEOUT(window.Matrix()->Pitch() > 1.5 * small, 5000);
  shot = window.Matrix()->grab().toImage();
  EXPECT_GT(DotCentre(shot, *window.Matrix(), 3, 1).red(), 200);
}

TEST(HeadlessReport, OneJsonLinePerReportAndAPngPerPage) {
  EXPECT_EQ(
      ReportJsonLine(ValidPacket(2, {LedPage()})),
      QByteArray("{\"bytes\":" + QByteArray::number(kSinglePagePacket) +
                 ",\"pages\":1,\"mode\":2,\"mode_name\":\"从左向右移入\",\"valid\":true,\"error\":null}\n"));
  PacketReport odd;
  odd.bytes = 12;
  odd.stray = true;
  odd.error = QStringLiteral("quote \" backslash \\ tab \t bell \x07");
  const QByteArray line = ReportJsonLine(odd);
  ASSERT_TRUE(line.endsWith('\n'));
  QJsonParseError parse{};
  const QJsonObject parsed = QJsonDocument::fromJson(line, &parse).object();
  ASSERT_EQ(parse.error, QJsonParseError::NoError) << line.toStdString();
  EXPECT_EQ(parsed["error"].toString(), odd.error);
  EXPECT_EQ(parsed["mode"].toInt(), -1);
  EXPECT_EQ(parsed["mode_name"].toString(), QString());
  EXPECT_FALSE(parsed["valid"].toBool());

  PacketReport two = ValidPacket(1, {Diagonal()});
  two.pages.push_back(LedPage());
  ASSERT_TRUE(QDir().mkdir("pngs"));
  EXPECT_EQ(WritePagePngs("pngs", 4, two), QString());
  const QImage page0("pngs/packet4-page0.png");
  ASSERT_EQ(page0.size(), QSize(kLedWidth, kLedHeight));
  EXPECT_EQ(page0.pixelColor(3, 1), QColor(Qt::white));
  EXPECT_EQ(page0.pixelColor(4, 1), QColor(Qt::black));
  EXPECT_EQ(QImage("pngs/packet4-page1.png").size(), QSize(kLedWidth, kLedHeight));
  EXPECT_EQ(WritePagePngs("missing/folder", 0, two), QStringLiteral("missing/folder/packet0-page0.png"));
}
