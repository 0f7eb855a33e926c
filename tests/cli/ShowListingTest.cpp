// Listing a settings file as it is read must give exactly the listing of the show loaded into
// memory, in both styles, whatever the file holds.
#include <gtest/gtest.h>

#include <random>

#include "cli/ShowListing.h"
#include "console/SettingsFile.h"
#include "platform/Exceptions.h"
#include "platform/TextFile.h"
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
