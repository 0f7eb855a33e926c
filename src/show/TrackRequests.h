// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The translation tracks a start asks for, as TAG=FILE and TAG=PORT pairs, and loading them.
// Loading checks every pair and reads every file; each bad input is one line, for standard error
// and the start's losses, and the console runs on without that track:
//   1. a pair that is no TAG=VALUE;
//   2. a tag not of the form TrackTag.h accepts, or one given before (case aside);
//   3. a ninth track (given with a good tag): at most kMostTracks;
//   4. a port that is no number from 1 to 255, the show's own sign's port, the port of a track
//      given before, or a second port for the track;
//   5. a file that cannot be read, or of more than kMostTrackLines lines.
// A port for a tag that no track was given is told as well: its signs would stay dark.
#include <QList>
#include <QString>
#include <QStringList>

#include "show/TranslationTrack.h"

// One TAG=VALUE pair and where it was given ("--track", "LUMETRA_TRACKS"), for the messages.
struct TrackPair {
  QString origin;
  QString tag;
  QString value;
};

struct TrackRequests {
  QList<TrackPair> files;  // TAG=FILE, in the order given
  QList<TrackPair> ports;  // TAG=PORT
  QStringList malformed;   // what was wrong with each pair that is no TAG=VALUE

  bool Empty() const { return files.isEmpty() && ports.isEmpty() && malformed.isEmpty(); }
};

enum class TrackPairKind { File, Port };

// Adds the pair `text` ("en=english.txt", "en=2") given by `origin`; blanks around the tag and
// the value are dropped. A text without "=", or with nothing on one side of it, is malformed.
void AddTrackPair(TrackRequests& requests, TrackPairKind kind, const QString& origin, const QString& text);
// Adds every pair of a list separated by semicolons or line ends, as an environment variable
// gives them; empty entries are skipped.
void AddTrackPairList(TrackRequests& requests, TrackPairKind kind, const QString& origin, const QString& list);

struct LoadedTracks {
  QList<TranslationTrack> tracks;  // in the order given, each with its port (0: none)
  QStringList problems;  // one line each, naming the pair: "--track en=a.txt: Cannot open file ..."
};

// Checks the requests and reads the files; `showPort` is the port of the show's own sign (0: none
// to keep clear of).
LoadedTracks LoadTranslationTracks(const TrackRequests& requests, int showPort);
