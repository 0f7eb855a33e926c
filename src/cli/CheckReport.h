// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What lumetra-cli check prints. Plain: a heading, then one row per caption line
// ("line pages width mode sent findings", the modes with their names, each further finding on a
// row of its own) and a summary.
// JSON, one compact object with its keys in this order:
//   {"file","font":{"family","height","points"},"run","lines":[{"line","text","mode","sent_mode",
//    "width","pages","bytes","wire_ms","findings":[{"kind","detail"}]}],"summary":{"lines",
//    "findings":{kind: count},"wire_ms","no_rows_lost_at"}}
// "run" is "enter" (the show run with Enter from a click on line 1), "go" (run by a cue system's
// or a page's GO) or "as-stored" (every line clicked before it is sent): every figure of a report
// is for its run, which the heading and the summary name; "no_rows_lost_at" is {"height","points"} of the largest font size
// at which no line loses ink rows, null when none does or none would.
// Lines are counted from 1; times are milliseconds with one decimal.
#include <QString>
#include <functional>
#include <string>

#include "cli/CaptionCheck.h"
#include "cli/ShowListing.h"

// How the show is run: with Enter from a click on line 1, by GO (each line in its stored mode,
// lines past the settings table in the mode the load left in the selector, line 1's), or with
// every line clicked before it is sent (each in its stored mode).
enum class CheckRun { Enter, Go, AsStored };

void AppendCheckHead(std::string& out, ListingStyle style, const QString& file, const CaptionChecker& checker,
                     qsizetype lines, CheckRun run);
void AppendCheckLine(std::string& out, ListingStyle style, const LineCheck& check, QStringView text);
void AppendCheckTail(std::string& out, ListingStyle style, const CheckSummary& summary, CheckRun run);
// The plain summary: "<n> lines; findings: ...; <what> takes <time> on the line, sent once (<run>)",
// and when rows of ink are lost, the font size that keeps them all.
void AppendPlainSummary(std::string& out, const CheckSummary& summary, QStringView what, CheckRun run);

// Checks every line of the show and appends the whole report; `each` also sees each line's
// check (the proof sheets draw it).
CheckSummary AppendShowCheck(std::string& out, ListingStyle style, const QString& file, const ShowDocument& show,
                             CaptionChecker& checker, CheckRun run,
                             const std::function<void(const LineCheck&, const QString&)>& each = {});
