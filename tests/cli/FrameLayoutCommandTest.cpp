// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "support/CliRunner.h"
#include "support/QtPrinters.h"

namespace {

QJsonObject Json(const CliRun& run) {
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  return QJsonDocument::fromJson(run.out).object();
}

QJsonArray Rect(int l, int t, int r, int b) { return {l, t, r, b}; }

}  // namespace

TEST(CliFrameLayout, PrintsTheConsolesFrameAtItsSize) {
  const QJsonObject o = Json(RunCli({"frame-layout", "--size", "555x392", "--json", "--hit", "50,20", "--hit",
                                     "100,100", "--hit", "5,200", "--hit", "543,200"}));
  EXPECT_TRUE(o["skinned"].toBool());
  EXPECT_EQ(o["size"].toArray(), (QJsonArray{555, 392}));
  EXPECT_EQ(o["client"].toArray(), Rect(13, 46, 543, 383));
  EXPECT_EQ(o["min"].toArray(), (QJsonArray{277, 55}));
  EXPECT_EQ(o["mask_rect_area"].toArray(), Rect(9, 17, 551, 388));
  EXPECT_EQ(o["hit_test_points"].toArray().at(1).toArray(), (QJsonArray{538, 14}));
  const QJsonArray objects = o["objects"].toArray();
  ASSERT_EQ(objects.size(), 6);  // the menu entries make no frame objects
  EXPECT_EQ(objects[0].toObject()["name"].toString(), QStringLiteral("caption"));
  EXPECT_EQ(objects[0].toObject()["kind"].toString(), QStringLiteral("caption"));
  EXPECT_EQ(objects[0].toObject()["rect"].toArray(), Rect(46, 16, 414, 35));
  EXPECT_EQ(objects[1].toObject()["name"].toString(), QStringLiteral("closebutton"));
  EXPECT_EQ(objects[1].toObject()["kind"].toString(), QStringLiteral("stdbutton"));
  EXPECT_EQ(objects[1].toObject()["rect"].toArray(), Rect(531, 15, 549, 33));
  EXPECT_FALSE(objects[2].toObject()["enabled"].toBool());  // minimise is off with [biRollUp]
  const QJsonArray hits = o["hits"].toArray();
  ASSERT_EQ(hits.size(), 4);
  const char* codes[] = {"HTCAPTION", "HTCLIENT", "HTOBJECT", "HTOBJECT"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(hits[i].toObject()["code"].toString(), QLatin1String(codes[i])) << i;
  EXPECT_EQ(hits[0].toObject()["value"].toInt(), 2);
}

TEST(CliFrameLayout, ShowsTheDefaultFrameWithoutASkinAndNoFrameWithoutABorder) {
  const QJsonObject plain = Json(RunCli({"frame-layout", "--size", "300x200", "--no-skin", "--json", "--hit", "150,10"}));
  EXPECT_FALSE(plain["skinned"].toBool());
  EXPECT_EQ(plain["client"].toArray(), Rect(3, 22, 297, 197));
  EXPECT_EQ(plain["objects"].toArray().size(), 6);
  EXPECT_EQ(plain["hits"].toArray()[0].toObject()["code"].toString(), QStringLiteral("HTCAPTION"));
  const QJsonObject none = Json(RunCli({"frame-layout", "--size", "300x200", "--border-style", "bsNone", "--json"}));
  EXPECT_EQ(none["client"].toArray(), Rect(0, 0, 300, 200));
  // Sizeable: the edge of the mask outline sizes.
  const QJsonObject sizeable =
      Json(RunCli({"frame-layout", "--size", "555x392", "--border-style", "bsSizeable", "--json", "--hit", "2,200"}));
  EXPECT_EQ(sizeable["hits"].toArray()[0].toObject()["code"].toString(), QStringLiteral("HTLEFT"));
  // The readable summary names the frame's bands.
  const CliRun text = RunCli({"frame-layout", "--size", "555x392"});
  ASSERT_EQ(text.exitCode, 0);
  EXPECT_TRUE(text.out.contains("frame left 13, top 46, right 12, bottom 9")) << text.out.toStdString();
}

TEST(CliFrameLayout, RollsUpAndMaximisesFirstAndPrintsTheOutlineAsRuns) {
  const QJsonObject normal = Json(RunCli({"frame-layout", "--size", "555x392", "--json", "--region"}));
  EXPECT_FALSE(normal["rolled_up"].toBool());
  const QJsonArray rows = normal["region"].toArray();
  ASSERT_EQ(rows.size(), 392);
  // A row is [y, [[left, right], ...]]; the inner run is a value, since clang reads braces around
  // one array as a copy of it rather than a list holding it.
  EXPECT_EQ(rows[0].toArray(), (QJsonArray{0, QJsonArray{QJsonValue(QJsonArray{5, 550})}}));  // a rounded corner
  EXPECT_EQ(rows[200].toArray(), (QJsonArray{200, QJsonArray{QJsonValue(QJsonArray{0, 555})}}));

  const QJsonObject rolled = Json(RunCli({"frame-layout", "--size", "555x392", "--rolled-up", "--json", "--region",
                                          "--hit", "100,25", "--hit", "100,50"}));
  EXPECT_TRUE(rolled["rolled_up"].toBool());
  EXPECT_EQ(rolled["size"].toArray(), (QJsonArray{555, 55}));
  EXPECT_EQ(rolled["client"].toArray(), Rect(13, 46, 543, 46));
  EXPECT_EQ(rolled["hits"].toArray()[0].toObject()["code"].toString(), QStringLiteral("HTCAPTION"));
  EXPECT_EQ(rolled["hits"].toArray()[1].toObject()["code"].toString(), QStringLiteral("HTOBJECT"));
  // The outline is the caption band's over the bottom band's, rows top to bottom.
  const QJsonArray rolledRows = rolled["region"].toArray();
  ASSERT_EQ(rolledRows.size(), 55);
  for (int y = 0; y < 46; ++y) EXPECT_EQ(rolledRows[y].toArray(), rows[y].toArray()) << y;
  for (int y = 46; y < 55; ++y)
    EXPECT_EQ(rolledRows[y].toArray()[1], rows[y + 337].toArray()[1]) << y;

  const QJsonObject maximised = Json(RunCli({"frame-layout", "--size", "555x392", "--maximized", "--json"}));
  EXPECT_TRUE(maximised["maximized"].toBool());
  EXPECT_FALSE(maximised.contains(QStringLiteral("region")));
  const QJsonArray size = maximised["size"].toArray();
  EXPECT_GT(size[0].toInt(), 555);  // the screen's work area, less a pixel on each side
  const CliRun text = RunCli({"frame-layout", "--size", "555x392", "--rolled-up", "--region"});
  EXPECT_TRUE(text.out.contains("555 x 55 (at least 277 x 55), rolled up")) << text.out.toStdString();
  EXPECT_TRUE(text.out.contains("region row 0: 5-550\n")) << text.out.toStdString();
}

TEST(CliFrameLayout, RejectsBadRequestsWithOneLine) {
  for (const QStringList& args : {QStringList{"frame-layout"}, QStringList{"frame-layout", "--size", "0x5"},
                                  QStringList{"frame-layout", "--size", "555x392", "--hit", "1;2"},
                                  QStringList{"frame-layout", "--size", "555x392", "--border-style", "bsOdd"},
                                  QStringList{"frame-layout", "--size", "555x392", "--no-skin", "--ini", "x.ini"}}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  }
}

TEST(CliSkinRenderFrame, PaintsTheFrameAsTheWindowDoesWithCaptionAndObjects) {
  ASSERT_EQ(RunCli({"skin-render", "--frame", "555x392", "--caption", "Lumetra2.0版", "-o", "a.png"}).exitCode, 0);
  ASSERT_EQ(RunCli({"skin-render", "--frame", "555x392", "--caption", "Lumetra2.0版", "--inactive", "-o", "i.png"}).exitCode, 0);
  ASSERT_EQ(RunCli({"skin-render", "--frame", "555x392", "-o", "bare.png"}).exitCode, 0);
  const QImage active("a.png"), inactive("i.png"), bare("bare.png");
  ASSERT_EQ(active.size(), QSize(555, 392));
  const QRect captionText(46, 16, 120, 19);
  EXPECT_NE(active.copy(captionText), bare.copy(captionText));    // the caption text is drawn
  EXPECT_NE(active.copy(captionText), inactive.copy(captionText));  // in the active colours
  EXPECT_EQ(active.copy(0, 40, 555, 352), inactive.copy(0, 40, 555, 352));
  ASSERT_EQ(RunCli({"skin-render", "--frame", "300x200", "--no-skin", "--caption", "Plain", "-o", "d.png"}).exitCode, 0);
  const QImage plain("d.png");
  EXPECT_EQ(plain.size(), QSize(300, 200));
  EXPECT_EQ(QColor(plain.pixel(0, 0)), QColor(0xDF, 0xDF, 0xDF));  // the light outer ring
}
