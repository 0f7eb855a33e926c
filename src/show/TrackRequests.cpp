// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/TrackRequests.h"

#include <QRegularExpression>
#include <optional>

#include "platform/Exceptions.h"
#include "show/PortNumber.h"
#include "show/TrackTag.h"

namespace {

// A track asked for, on its way through the checks; `dropped` once a problem was told.
struct Candidate {
  const TrackPair* file;
  int port = 0;
  bool dropped = false;
};

QString PairText(const TrackPair& pair) { return QStringLiteral("%1 %2=%3").arg(pair.origin, pair.tag, pair.value); }

// The port of a TAG=PORT pair, or 0.
int PortOf(const QString& value) {
  bool number = false;
  const int port = value.toInt(&number);
  return number && port >= kMinPortNumber && port <= kMaxPortNumber ? port : 0;
}

Candidate* FindCandidate(QList<Candidate>& candidates, const QString& tag) {
  for (Candidate& candidate : candidates)
    if (SameTrackTag(candidate.file->tag, tag)) return &candidate;
  return nullptr;
}

// Rules 2 and 3: every file pair with a good tag becomes a candidate.
QList<Candidate> Candidates(const QList<TrackPair>& files, QStringList& problems) {
  QList<Candidate> candidates;
  for (const TrackPair& pair : files) {
    if (const QString problem = TrackTagProblem(pair.tag); !problem.isEmpty()) {
      problems << QStringLiteral("%1: %2 is no language tag: %3")
                      .arg(PairText(pair), u'"' + pair.tag + u'"', problem);
    } else if (const Candidate* before = FindCandidate(candidates, pair.tag)) {
      problems << QStringLiteral("%1: the %2 track is given already (%3=%4)")
                      .arg(PairText(pair), pair.tag, before->file->tag, before->file->value);
    } else if (candidates.size() == kMostTracks) {
      problems << PairText(pair) + QStringLiteral(": more than %1 tracks").arg(kMostTracks);
    } else {
      candidates.push_back({&pair});
    }
  }
  return candidates;
}

// Rule 4, and the port of a tag without a track.
void GivePorts(QList<Candidate>& candidates, const QList<TrackPair>& ports, int showPort, QStringList& problems) {
  for (const TrackPair& pair : ports) {
    Candidate* candidate = FindCandidate(candidates, pair.tag);
    const int port = PortOf(pair.value);
    if (!candidate) {
      problems << QStringLiteral("%1: no track %2 is given").arg(PairText(pair), pair.tag);
      continue;
    }
    if (candidate->dropped) continue;  // told already
    const Candidate* holder = nullptr;
    for (const Candidate& other : candidates)
      if (&other != candidate && !other.dropped && port > 0 && other.port == port) holder = &other;
    QString problem;
    if (port == 0)
      problem = QStringLiteral("the port is a number from %1 to %2").arg(kMinPortNumber).arg(kMaxPortNumber);
    else if (candidate->port > 0)
      problem = QStringLiteral("the track has port %1 already").arg(candidate->port);
    else if (port == showPort)
      problem = QStringLiteral("port %1 is the show's own sign").arg(port);
    else if (holder)
      problem = QStringLiteral("port %1 shows the %2 track already").arg(port).arg(holder->file->tag);
    if (problem.isEmpty()) {
      candidate->port = port;
    } else {
      problems << PairText(pair) + QStringLiteral(": ") + problem;
      candidate->dropped = true;
    }
  }
}

// Rule 5.
std::optional<TranslationTrack> ReadTrack(const Candidate& candidate, QStringList& problems) {
  const TrackPair& pair = *candidate.file;
  TranslationTrack track{pair.tag, pair.value, candidate.port, {}};
  try {
    track.lines = ReadTrackFile(pair.value);
  } catch (const Exception& error) {
    problems << PairText(pair) + QStringLiteral(": ") + error.Message();
    return std::nullopt;
  }
  if (track.lines.size() > kMostTrackLines) {
    problems << PairText(pair) +
                    QStringLiteral(": %1 lines, more than the %2 a track holds").arg(track.lines.size()).arg(kMostTrackLines);
    return std::nullopt;
  }
  return track;
}

}  // namespace

void AddTrackPair(TrackRequests& requests, TrackPairKind kind, const QString& origin, const QString& text) {
  const qsizetype equals = text.indexOf(u'=');
  const QString tag = text.left(equals).trimmed(), value = text.mid(equals + 1).trimmed();
  if (equals < 0 || tag.isEmpty() || value.isEmpty()) {
    requests.malformed << (kind == TrackPairKind::File
                               ? QStringLiteral("%1 \"%2\" is not TAG=FILE (as en=english.txt)")
                               : QStringLiteral("%1 \"%2\" is not TAG=PORT (as en=2)"))
                              .arg(origin, text);
    return;
  }
  (kind == TrackPairKind::File ? requests.files : requests.ports).push_back({origin, tag, value});
}

void AddTrackPairList(TrackRequests& requests, TrackPairKind kind, const QString& origin, const QString& list) {
  static const QRegularExpression separators(QStringLiteral("[;\\r\\n]"));
  for (const QString& entry : list.split(separators, Qt::SkipEmptyParts))
    if (!entry.trimmed().isEmpty()) AddTrackPair(requests, kind, origin, entry);
}

LoadedTracks LoadTranslationTracks(const TrackRequests& requests, int showPort) {
  LoadedTracks loaded;
  loaded.problems = requests.malformed;
  QList<Candidate> candidates = Candidates(requests.files, loaded.problems);
  GivePorts(candidates, requests.ports, showPort, loaded.problems);
  for (const Candidate& candidate : candidates) {
    if (candidate.dropped) continue;
    if (std::optional<TranslationTrack> track = ReadTrack(candidate, loaded.problems)) loaded.tracks << std::move(*track);
  }
  return loaded;
}
