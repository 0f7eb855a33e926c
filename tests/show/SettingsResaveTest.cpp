// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Resaving a settings file as it is read must give exactly what loading it into a fresh show and
// saving that gives, whatever the file holds: broken sequences, lines past the settings table,
// odd numbers, a last record cut short; and fail as that load fails.
#include <gtest/gtest.h>

#include <QDir>
#include <random>

#include "platform/Exceptions.h"
#include "platform/InOutError.h"
#include "platform/TextFile.h"
#include "show/SettingsFile.h"
#include "show/SettingsResave.h"
#include "show/ShowDocument.h"
#include "support/FileBytes.h"
#include "support/RandomText.h"

namespace {

// What the console gives: the saved bytes, or the failure's message.
QByteArray LoadedAndSaved(const QByteArray& file) {
  try {
    ShowDocument show;
    TTextReader reader(file);
    ReadSettings(reader, show);
    return show.Encode();
  } catch (const Exception& error) {
    return "failed: " + error.Message().toUtf8();
  }
}

QByteArray Resaved(const QByteArray& file) {
  try {
    TTextReader reader(file);
    return ResaveSettings(reader);
  } catch (const Exception& error) {
    return "failed: " + error.Message().toUtf8();
  }
}

}  // namespace

TEST(SettingsResave, GivesWhatLoadingAndSavingGivesForRandomShows) {
  std::mt19937 random(2024);
  int failures = 0;
  for (int round = 0; round < 60; ++round) {
    // Long shows too, past the settings table and far enough for the looked-up conversions.
    const int records = round % 4 == 0 ? 2500 : std::uniform_int_distribution<int>(0, 30)(random);
    const QByteArray file = RandomSettingsFile(random, records);
    const QByteArray expected = LoadedAndSaved(file);
    failures += expected.startsWith("failed: ");
    ASSERT_EQ(Resaved(file), expected) << "round " << round;
  }
  EXPECT_GT(failures, 0);  // the failures were compared too
  EXPECT_LT(failures, 30);
}

TEST(SettingsResave, AShowThatComesBackUnchangedIsCopiedByteForByte) {
  QByteArray file = "1\r\n14\r\n255\r\n\xcb\xce\xcc\xe5\r\n";
  for (int i = 0; i < 3000; ++i) {
    file += i % 2 ? QByteArray("\xb5\xda") + QByteArray::number(i) + "\xc4\xbb\r\n" : "Line " + QByteArray::number(i) + "\r\n";
    file += i <= 1000 ? QByteArray::number(i % 7) + "\r\n" + QByteArray::number(i % 11) + "\r\n2\r\n" : QByteArray("0\r\n5\r\n0\r\n");
  }
  TTextReader reader(file);
  EXPECT_EQ(ResaveSettings(reader), file);
}

// Written while it is read: a failure part-way, after pieces of it have gone to disk, must leave
// the previous file and no temporary file; and a failure to read is told before one to write.
TEST(SettingsResave, AFileResavedAsItIsReadIsAllOrNothing) {
  QByteArray show = "1\r\n14\r\n255\r\n\xcb\xce\xcc\xe5\r\n";
  while (show.size() < 3 * 1024 * 1024) show += "\xb5\xda\xd2\xbb\xc4\xbb and a long enough caption\r\n0\r\n5\r\n0\r\n";
  WriteBytes(QStringLiteral("good.lw"), show);
  WriteBytes(QStringLiteral("bad.lw"), show + "last\r\n1\r\nnone\r\n");
  WriteBytes(QStringLiteral("out.lw"), "previous");

  ResaveSettingsFile(QStringLiteral("good.lw"), QStringLiteral("out.lw"));
  EXPECT_EQ(ReadBytes(QStringLiteral("out.lw")), show);

  WriteBytes(QStringLiteral("out.lw"), "previous");
  EXPECT_THROW(ResaveSettingsFile(QStringLiteral("bad.lw"), QStringLiteral("out.lw")), EInOutError);
  EXPECT_EQ(ReadBytes(QStringLiteral("out.lw")), QByteArray("previous"));
  EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden).size(), 3);  // no temporary file

  const auto message = [](const QString& in, const QString& out) {
    try {
      ResaveSettingsFile(in, out);
    } catch (const Exception& error) {
      return error.Message();
    }
    return QString();
  };
  EXPECT_EQ(message(QStringLiteral("bad.lw"), QStringLiteral("no/such/folder.lw")), InOutErrorMessage(kInvalidNumericInput));
  EXPECT_EQ(message(QStringLiteral("good.lw"), QStringLiteral("no/such/folder.lw")), InOutErrorMessage(kPathNotFound));
  EXPECT_EQ(message(QStringLiteral("gone.lw"), QStringLiteral("no/such/folder.lw")), InOutErrorMessage(kFileNotFound));
}
