// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Listing a settings file as it is read must give exactly the listing of the show loaded into
// memory, in both styles, whatever the file holds; and so must the program's show and convert.
#include <gtest/gtest.h>

#include <random>

#include "cli/ShowListing.h"
#include "platform/Exceptions.h"
#include "platform/TextFile.h"
#include "show/SettingsFile.h"
#include "support/CliRunner.h"
#include "support/FileBytes.h"
#include "support/RandomText.h"

namespace {

std::string ListedFromMemory(const QByteArray& file, ListingStyle style) {
  try {
    ShowDocument show;
    TTextReader reader(file);
    ReadSettings(reader, show);
    std::string out;
    AppendListingHead(out, style, show, ShowFileKind::Settings, show.Lines.size());
    for (int i = 0; i < show.Lines.size(); ++i) AppendListingLine(out, style, i, show.SettingOf(i), show.Lines[i]);
    AppendListingTail(out, style, show, ShowFileKind::Settings);
    return out;
  } catch (const Exception& error) {
    return "failed: " + error.Message().toStdString();
  }
}

std::string ListedAsRead(const QByteArray& file, ListingStyle style) {
  try {
    TTextReader reader(file);
    const SettingsListing listing = ListSettings(reader, style);
    return listing.head + listing.lines + listing.tail;
  } catch (const Exception& error) {
    return "failed: " + error.Message().toStdString();
  }
}

}  // namespace

TEST(ShowListing, ASettingsFileListedAsReadIsListedAsFromMemory) {
  std::mt19937 random(77);
  for (int round = 0; round < 40; ++round) {
    const int records = round % 4 == 0 ? 2500 : std::uniform_int_distribution<int>(0, 30)(random);
    const QByteArray file = RandomSettingsFile(random, records);
    for (const ListingStyle style : {ListingStyle::Plain, ListingStyle::Json})
      ASSERT_EQ(ListedAsRead(file, style), ListedFromMemory(file, style)) << "round " << round;
  }
}

// Through the real program: a long show with broken sequences, listed in both styles and
// converted in pieces to disk, gives what the show in memory gives.
TEST(ShowListing, TheRealProgramListsAndConvertsALongShowAsTheShowInMemory) {
  std::mt19937 random(5);
  QByteArray file;
  ShowDocument show;
  do {  // one that reads whole
    file = RandomSettingsFile(random, 150000);
    show = ShowDocument();
    TTextReader reader(file);
    try {
      ReadSettings(reader, show);
    } catch (const Exception&) {
      show.Lines.clear();
    }
  } while (show.Lines.size() < 150000);
  WriteBytes(QStringLiteral("long.lw"), file);
  EXPECT_EQ(RunCli({QStringLiteral("show"), QStringLiteral("long.lw")}).out.toStdString(),
            ListedFromMemory(file, ListingStyle::Plain));
  EXPECT_EQ(RunCli({QStringLiteral("show"), QStringLiteral("--json"), QStringLiteral("long.lw")}).out.toStdString(),
            ListedFromMemory(file, ListingStyle::Json));

  const QByteArray saved = show.Encode();
  ASSERT_GT(saved.size(), 2 * 1024 * 1024);  // written to disk in several pieces
  EXPECT_EQ(RunCli({QStringLiteral("convert"), QStringLiteral("long.lw"), QStringLiteral("copy")}).exitCode, 0);
  EXPECT_EQ(ReadBytes(QStringLiteral("copy.lw")), saved);
}
