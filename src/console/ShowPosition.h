// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Where a running show stands: the play-list line selected and the line sent last (-1 for none).
// Kept beside the recovery copy of the working state as two ASCII lines, "selected N" and
// "sent N", so that a console restarted after a crash can take the show up where it stood.
#include <QByteArray>
#include <QByteArrayView>

struct ShowPosition {
  int selected = -1;
  int sent = -1;

  friend bool operator==(const ShowPosition&, const ShowPosition&) = default;
};

QByteArray EncodeShowPosition(const ShowPosition& position);
// Unknown, missing or malformed lines leave their member at -1.
ShowPosition DecodeShowPosition(QByteArrayView bytes);

// The line to select on taking the show up again among `lineCount` lines: the one after the line
// sent last, as Enter would have left it (wrapping to the first); with nothing sent, the selected
// one; -1 when that line is gone or there is none.
int ResumeLine(const ShowPosition& position, int lineCount);
