// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The listings lumetra-cli show prints: plain (a heading, then "line: speed dwell mode text" per
// caption line) or one compact JSON object with its keys sorted: {"font","kind","lines","port"},
// each line {"dwell","line","mode","speed","text"}, the font {"color","name","size"}; port and
// font are null unless the show is a settings file. Lines are numbered from 1, as the console,
// the check and the send log number them.
#include <QString>
#include <QStringView>
#include <string>

#include "show/ShowDocument.h"

class TTextReader;

enum class ListingStyle { Plain, Json };

// The pieces of a listing, in the order they are printed.
void AppendListingHead(std::string& out, ListingStyle style, const ShowDocument& show, ShowFileKind kind,
                       qsizetype lines);
// `index` counts from 0 (it is the line's entry); the listing shows the line's number, index + 1.
void AppendListingLine(std::string& out, ListingStyle style, int index, const LineSetting& setting, QStringView text);
void AppendListingTail(std::string& out, ListingStyle style, const ShowDocument& show, ShowFileKind kind);

// The listing of a settings file, made while it is read instead of from a show held in memory:
// exactly what loading it into a fresh ShowDocument and listing that gives. The heading counts
// the lines, so it is made last and kept apart.
struct SettingsListing {
  std::string head;
  std::string lines;
  std::string tail;
};
SettingsListing ListSettings(TTextReader& reader, ListingStyle style);
