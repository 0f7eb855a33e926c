// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Where a running show stands, kept beside the recovery copy of the working state as ASCII lines
// so that a console restarted after a crash can take the show up where it stood:
//   selected N   the line last selected (-1 for none)
//   sent N       the line sent last (-1 for none)
//   resume N     the line to take the show up at (-1 for none)
//   copy STAMP   the recovery copy these lines count in (its size and hash)
// A file of an older console has the first two lines only; it still reads.
#include <QByteArray>
#include <QByteArrayView>

inline constexpr int kResumeNotRecorded = -2;

struct ShowPosition {
  int selected = -1;
  int sent = -1;
  int resume = kResumeNotRecorded;
  QByteArray copy;  // empty: not known

  friend bool operator==(const ShowPosition&, const ShowPosition&) = default;
};

QByteArray EncodeShowPosition(const ShowPosition& position);
// Unknown, missing or malformed lines leave their member as it is by default.
ShowPosition DecodeShowPosition(QByteArrayView bytes);

// The stamp of a recovery copy's bytes, as the position names the copy it belongs to.
QByteArray StampOfCopy(QByteArrayView bytes);

// The line to select on taking the show up again among `lineCount` lines: the recorded resume
// line; for a file without one, the one after the line sent last, as Enter would have left it
// (wrapping to the first), and with nothing sent the selected one; -1 when that line is gone or
// there is none.
int ResumeLine(const ShowPosition& position, int lineCount);
