// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Loading the tracks a start asks for: every bad input is one message, and costs its track only.
#include <gtest/gtest.h>

#include <cstring>

#include "show/TrackRequests.h"
#include "support/FileBytes.h"

namespace {

// "en=en.txt;ja=ja.txt" as the environment gives them.
TrackRequests Requests(const QString& files, const QString& ports = {}) {
  TrackRequests requests;
  AddTrackPairList(requests, TrackPairKind::File, QStringLiteral("--track"), files);
  AddTrackPairList(requests, TrackPairKind::Port, QStringLiteral("--track-port"), ports);
  return requests;
}

// "en:2 ja:0", the tracks loaded with their ports.
QString Loaded(const LoadedTracks& loaded) {
  QStringList tracks;
  for (const TranslationTrack& track : loaded.tracks) tracks << QStringLiteral("%1:%2").arg(track.tag).arg(track.port);
  return tracks.join(u' ');
}

}  // namespace

TEST(TrackRequests, EachBadInputIsOneMessageAndTheConsoleKeepsTheOtherTracks) {
  for (const char* name : {"en.txt", "ja.txt", "fr.txt"}) WriteBytes(QString::fromLatin1(name), "one\ntwo\n");
  WriteBytes(QStringLiteral("l%1.txt"), QByteArray("x\n").repeated(kMostTrackLines + 1));
  struct Case {
    const char* files;
    const char* ports;
    const char* loaded;
    const char* problem;  // the one message, empty for none
  };
  const Case cases[] = {
      {"en=en.txt; ja = ja.txt\n", "en=2", "en:2 ja:0", ""},
      {"en.txt;ja=ja.txt", "", "ja:0", "--track \"en.txt\" is not TAG=FILE (as en=english.txt)"},
      {"en_GB=en.txt", "", "", "--track en_GB=en.txt: \"en_GB\" is no language tag: \"_\" is not"},
      {"en=en.txt;EN=fr.txt", "", "en:0", "--track EN=fr.txt: the EN track is given already (en=en.txt)"},
      {"en=missing.txt;ja=ja.txt", "", "ja:0", "--track en=missing.txt: Cannot open file \"missing.txt\""},
      {"en=l%1.txt", "", "", "--track en=l%1.txt: 100001 lines, more than the 100000 a track holds"},
      {"en=en.txt", "en=256", "", "--track-port en=256: the port is a number from 1 to 255"},
      {"en=en.txt", "en=two", "", "--track-port en=two: the port is a number from 1 to 255"},
      {"en=en.txt", "en=1", "", "--track-port en=1: port 1 is the show's own sign"},
      {"en=en.txt;ja=ja.txt", "en=2;JA=2", "en:2", "--track-port JA=2: port 2 shows the en track already"},
      {"en=en.txt;ja=ja.txt", "en=2;en=3", "ja:0", "--track-port en=3: the track has port 2 already"},
      {"en=en.txt", "fr=3", "en:0", "--track-port fr=3: no track fr is given"},
      {"en=en.txt", "en", "en:0", "--track-port \"en\" is not TAG=PORT (as en=2)"},
  };
  for (const Case& c : cases) {
    const LoadedTracks loaded = LoadTranslationTracks(Requests(QString::fromLatin1(c.files), QString::fromLatin1(c.ports)), 1);
    const std::string what = std::string(c.files) + " / " + c.ports;
    EXPECT_EQ(Loaded(loaded), QString::fromLatin1(c.loaded)) << what;
    const QString problems = loaded.problems.join(u'|');
    EXPECT_EQ(problems.left(qsizetype(std::strlen(c.problem))), QString::fromUtf8(c.problem)) << what;
    EXPECT_EQ(loaded.problems.size(), *c.problem ? 1 : 0) << what << ": " << problems.toStdString();
  }
}

TEST(TrackRequests, ANinthTrackIsRefusedUnread) {
  QStringList pairs;
  for (const char* tag : {"aa", "bb", "cc", "dd", "ee", "ff", "gg", "hh", "ii"}) {
    WriteBytes(QString::fromLatin1(tag), "line\n");
    pairs << QStringLiteral("%1=%1").arg(QString::fromLatin1(tag));
  }
  QFile::remove(QStringLiteral("ii"));
  const LoadedTracks loaded = LoadTranslationTracks(Requests(pairs.join(u';')), 0);
  EXPECT_EQ(loaded.tracks.size(), kMostTracks);
  EXPECT_EQ(loaded.problems, QStringList{QStringLiteral("--track ii=ii: more than 8 tracks")});
}
