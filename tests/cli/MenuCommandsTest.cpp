// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli skin-render --menu and menu-place.
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "skin/menus/MenuFixtures.h"
#include "support/CliRunner.h"

namespace {

const QString kSystemMenu = QStringLiteral("Ro&llUp=SF_ROLLUP|-|&Close\\tAlt+F4=SF_CLOSE");

QJsonObject Json(const CliRun& run) {
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  return QJsonDocument::fromJson(run.out).object();
}

QJsonArray RectArray(int l, int t, int r, int b) { return {l, t, r, b}; }

void ExpectOneLineFailure(const CliRun& run) {
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
}

}  // namespace

TEST(CliMenuRender, DrawsTheSystemMenuInTheProgramSkin) {
  const QJsonObject json = Json(RunCli({"skin-render", "--menu", kSystemMenu, "--json", "-o", "m.png"}));
  const int width = json["width"].toInt();
  EXPECT_EQ(json["height"].toInt(), 22 + 8 + 22 + 4);
  EXPECT_FALSE(json["scrolling"].toBool());
  EXPECT_EQ(json["items_rect"].toArray(), RectArray(2, 2, width - 2, 54));
  const QJsonArray items = json["items"].toArray();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[1].toObject()["caption"].toString(), QStringLiteral("-"));
  EXPECT_EQ(items[1].toObject()["rect"].toArray(), RectArray(2, 24, width - 2, 32));
  EXPECT_FALSE(items[1].toObject()["selectable"].toBool());
  EXPECT_TRUE(items[2].toObject()["shown"].toBool());
  EXPECT_EQ(QImage("m.png").size(), QSize(width, 56));

  const CliRun plain = RunCli({"skin-render", "--menu", kSystemMenu, "-o", "m.png"});
  ASSERT_EQ(plain.exitCode, 0);
  EXPECT_TRUE(plain.out.contains("no region")) << plain.out.toStdString();
}

TEST(CliMenuRender, BuiltInLookWithAnItemLimitAndASelection) {
  const QJsonObject five = Json(RunCli({"skin-render", "--menu", "A|B|C|D|E", "--no-skin", "--json"}));
  EXPECT_EQ(five["height"].toInt(), 104);
  const QJsonObject limited =
      Json(RunCli({"skin-render", "--menu", "A|B|C|D|E", "--no-skin", "--max-items", "3", "--json"}));
  EXPECT_EQ(limited["height"].toInt(), 84);
  EXPECT_TRUE(limited["scrolling"].toBool());
  EXPECT_TRUE(limited["limit_scrolling"].toBool());
  EXPECT_FALSE(limited["items"].toArray()[3].toObject()["shown"].toBool());

  // The opening highlights the first selectable line; --select moves the highlight.
  ASSERT_EQ(RunCli({"skin-render", "--menu", "!Off|A|B>|*C", "--no-skin", "-o", "first.png"}).exitCode, 0);
  ASSERT_EQ(RunCli({"skin-render", "--menu", "!Off|A|B>|*C", "--no-skin", "--select", "2", "-o", "sel.png"}).exitCode, 0);
  const QImage first("first.png"), selected("sel.png");
  const QRgb fill = qRgb(0xB6, 0xBD, 0xD2);
  EXPECT_EQ(first.pixel(first.width() - 6, 24), fill);       // line 1
  EXPECT_NE(first.pixel(first.width() - 6, 44), fill);       // line 2
  EXPECT_NE(selected.pixel(selected.width() - 6, 24), fill);
  EXPECT_EQ(selected.pixel(selected.width() - 6, 44), fill);
}

TEST(CliMenuRender, WritesTheOutlineOfAMaskedFrame) {
  WriteMenuSkin();
  const CliRun run = RunCli({"skin-render", "--menu", "One|-|Two", "--ini", "skin.ini", "-o", "masked.png"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QImage region("masked-region.png");
  ASSERT_FALSE(region.isNull());
  EXPECT_EQ(region.pixel(0, 0), qRgb(255, 255, 255));  // outside
  EXPECT_EQ(region.pixel(1, 0), qRgb(0, 0, 0));
  EXPECT_EQ(region.pixel(region.width() / 2, region.height() / 2), qRgb(0, 0, 0));
}

TEST(CliMenuRender, RejectsBadRequestsWithOneLine) {
  ExpectOneLineFailure(RunCli({"skin-render", "--menu", "A\\tCtrl+Nothing", "--json"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--menu", "A|B", "--select", "2", "--json"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--menu", "A", "--no-skin", "--ini", "skin.ini", "--json"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--menu", "A", "--max-items", "-1", "--json"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--menu", "A|", "--json"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--menu", "A"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--menu", "A", "--frame", "300x200", "--json"}));
  ExpectOneLineFailure(RunCli({"skin-render", "--frame", "300x200", "--select", "1", "-o", "x.png"}));
}

TEST(CliMenuPlace, PrintsThePositionAndWhetherItFlipped) {
  const auto place = [](const QStringList& extra) {
    const CliRun run = RunCli(QStringList{"menu-place", "--work-area", "0,0,800,600"} + extra);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return run.out.trimmed();
  };
  EXPECT_EQ(place({"--rect", "100,100,180,120", "--size", "120x300"}), "100,120");
  EXPECT_EQ(place({"--rect", "100,350,180,370", "--size", "120x500"}), "181,0 flipped");
  EXPECT_EQ(place({"--rect", "100,500,180,520", "--size", "120x300"}), "100,200");
  EXPECT_EQ(place({"--rect", "10,100,150,120", "--size", "120x200", "--submenu", "--items-top", "2"}), "151,98");
  EXPECT_EQ(place({"--rect", "100,300,100,300", "--size", "120x600", "--scrolling"}), "101,0");

  ExpectOneLineFailure(RunCli({"menu-place", "--rect", "1,2,3", "--work-area", "0,0,800,600", "--size", "10x10"}));
  ExpectOneLineFailure(RunCli({"menu-place", "--work-area", "0,0,800,600", "--size", "10x10"}));
}
