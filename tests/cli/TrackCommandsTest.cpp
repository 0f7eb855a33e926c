// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli show and check with translation tracks, through the real program.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/ProofSheetLayout.h"
#include "show/CaptionFont.h"
#include "support/CheckFindings.h"
#include "support/CliRunner.h"
#include "support/FileBytes.h"
#include "support/WideCaption.h"

namespace {

QJsonObject Json(const CliRun& run) { return QJsonDocument::fromJson(run.out).object(); }

// A show of four Chinese lines, an English track of three (the second exactly as wide as the sign,
// the third wider) and a Japanese one of four.
struct ThreeLanguages {
  QString fits = CaptionOfWidth(InitialCaptionFont(), kLedWidth);
  QString wide = CaptionWiderThan(InitialCaptionFont(), kLedWidth, QStringLiteral("Who "));

  ThreeLanguages() {
    WriteBytes(QStringLiteral("show.txt"), QStringLiteral("谁？\n站住\n\n再见\n").toUtf8());
    WriteBytes(QStringLiteral("en.txt"), QStringLiteral("Who's there?\n%1\n%2\n").arg(fits, wide).toUtf8());
    WriteBytes(QStringLiteral("ja.txt"), QStringLiteral("誰だ？\n止まれ\n\nさようなら\n").toUtf8());
  }
};

}  // namespace

TEST(CliTracks, CheckJudgesEachTrackLineInTheModeItGoesOutInBesideAnUnchangedShowReport) {
  using namespace proof_sheet;
  const ThreeLanguages files;
  const CliRun alone = RunCli({"check", "show.txt", "--json"});
  const CliRun run = RunCli({"check", "show.txt", "--json", "--track", "en=en.txt", "--track=ja=ja.txt", "--sheet", "p.png"});
  EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
  QJsonObject report = Json(run);
  const QJsonArray tracks = report.take(QStringLiteral("tracks")).toArray();
  EXPECT_EQ(report, Json(alone));
  ASSERT_EQ(tracks.size(), 2);

  const QJsonObject en = tracks[0].toObject();
  EXPECT_EQ(en[QStringLiteral("language")].toString(), QStringLiteral("English"));
  EXPECT_EQ(en[QStringLiteral("note")].toString(), QStringLiteral("the English track has 3 lines, the show 4: line 4 has no translation"));
  EXPECT_EQ(en[QStringLiteral("scrolled")].toInt(), 1);
  const QJsonArray lines = en[QStringLiteral("lines")].toArray();
  ASSERT_EQ(lines.size(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(lines[i][QStringLiteral("mode")].toInt(), 0);
    EXPECT_EQ(lines[i][QStringLiteral("sent_mode")].toInt(), i == 2 ? 1 : 0) << i;
    EXPECT_FALSE(HasFinding(lines[i], QStringLiteral("cut"))) << i;
  }
  EXPECT_EQ(lines[1][QStringLiteral("width")].toInt(), kLedWidth);
  const int widePages = lines[2][QStringLiteral("pages")].toInt();
  EXPECT_EQ(widePages, 2);
  const QJsonObject ja = tracks[1].toObject();
  EXPECT_TRUE(ja[QStringLiteral("note")].isNull());
  EXPECT_TRUE(HasFinding(ja[QStringLiteral("lines")].toArray()[2], QStringLiteral("empty")));

  // Each track's picture under its line: 4 caption rows, 2 + the paged line's for English, 4 Japanese.
  EXPECT_EQ(QImage(QStringLiteral("p.png")).height(), SheetHeight(4 + 2 + RowsFor(widePages, true) + 4));
  const CliRun plain = RunCli({"check", "show.txt", "--track", "en=en.txt"});
  EXPECT_TRUE(plain.out.startsWith(RunCli({"check", "show.txt"}).out));
  EXPECT_TRUE(plain.out.contains("1 line goes out in mode 1 (从右向左移入) instead of being cut\n"
                                 "the English track has 3 lines, the show 4: line 4 has no translation\n"))
      << plain.out.toStdString();
}

TEST(CliTracks, ShowListsEachLineBesideItsTranslationsAndRefusesABadTrack) {
  const ThreeLanguages files;
  const QJsonObject show = Json(RunCli({"show", "show.txt", "--json", "--track", "ja=ja.txt", "--track", "en=en.txt"}));
  const QJsonArray lines = show[QStringLiteral("lines")].toArray();
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0][QStringLiteral("tracks")].toObject(), (QJsonObject{{"en", "Who's there?"}, {"ja", "誰だ？"}}));
  EXPECT_EQ(lines[2][QStringLiteral("tracks")].toObject(), (QJsonObject{{"en", files.wide}, {"ja", ""}}));
  EXPECT_EQ(lines[3][QStringLiteral("tracks")].toObject(), (QJsonObject{{"en", QJsonValue()}, {"ja", "さようなら"}}));
  EXPECT_EQ(show[QStringLiteral("tracks")].toArray()[1][QStringLiteral("lines")].toInt(), 3);

  const CliRun plain = RunCli({"show", "show.txt", "--track", "en=en.txt", "--track", "ja=ja.txt"});
  EXPECT_TRUE(plain.out.contains(QStringLiteral("\n3: 0 5 0 \t%1\t\n4: 0 5 0 再见\t(none)\tさようなら\n").arg(files.wide).toUtf8()))
      << plain.out.toStdString();

  const CliRun bad = RunCli({"show", "show.txt", "--track", "en=en.txt", "--track", "en_GB=en.txt"});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_TRUE(bad.out.isEmpty());
  EXPECT_TRUE(bad.err.contains("--track en_GB=en.txt: \"en_GB\" is no language tag")) << bad.err.toStdString();
}
