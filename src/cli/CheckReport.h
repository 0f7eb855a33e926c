// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What lumetra-cli check prints. Plain: a heading, then one row per caption line
// ("line mode pages width findings", each further finding on a row of its own) and a summary.
// JSON, one compact object with its keys in this order:
//   {"file","font":{"family","height"},"lines":[{"line","text","mode","width","pages","bytes",
//    "wire_ms","findings":[{"kind","detail"}]}],"summary":{"lines","findings":{kind: count},"wire_ms"}}
// Lines are counted from 1; times are milliseconds with one decimal.
#include <QString>
#include <functional>
#include <string>

#include "cli/CaptionCheck.h"
#include "cli/ShowListing.h"

void AppendCheckHead(std::string& out, ListingStyle style, const QString& file, const CaptionChecker& checker,
                     qsizetype lines);
void AppendCheckLine(std::string& out, ListingStyle style, const LineCheck& check, QStringView text);
void AppendCheckTail(std::string& out, ListingStyle style, const CheckSummary& summary);

// Checks every line of the show and appends the whole report; `each` also sees each line's
// check (the proof sheets draw it).
CheckSummary AppendShowCheck(std::string& out, ListingStyle style, const QString& file, const ShowDocument& show,
                             CaptionChecker& checker,
                             const std::function<void(const LineCheck&, const QString&)>& each = {});
