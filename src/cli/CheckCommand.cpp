// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli check: reads a show as `show` does and reports, line by line, what the sign will
// receive and what it will show wrongly, in the pixels a send draws; optionally draws the proof
// sheets of the show.
#include <QFileInfo>
#include <cstdlib>
#include <optional>

#include "cli/CaptionOptions.h"
#include "cli/CheckReport.h"
#include "cli/CliCommand.h"
#include "cli/ProofSheets.h"
#include "cli/ShowInput.h"
#include "cli/TrackCheck.h"
#include "cli/TrackOptions.h"

namespace {

// Exit status when the show has findings (other than empty lines); 1 stays bad input.
constexpr int kFindingsStatus = 2;

int RunCheck(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Checks every caption line of a show as the console sends it when the show is run with Enter\n"
      "from a click on line 1 (every later line goes out in the mode the selector still shows), or\n"
      "with --go as a cue system's GO sends it (each line in its stored mode): width, pages, packet\n"
      "bytes and time on the line, and what the sign shows wrongly (cut, missing-glyph,\n"
      "rows-lost, page-count-wraps, unknown-mode, no-settings, carried-mode, tab; empty lines are\n"
      "noted). FILE is read as `show` reads it; a settings file brings its caption font and line modes,\n"
      "other files use the console's start-up font and mode 0; --font and --height override the font.\n"
      "With --track, each track's lines are checked as they go out to its signs: in the mode of their\n"
      "caption line, or in mode 1 where that mode would cut them; a count other than the show's is a finding.\n"
      "Exit status 0: nothing found; 2: findings; 1: the file cannot be read."));
  const QCommandLineOption json = AddShowFileArguments(parser);
  parser.addOption({QStringLiteral("sheet"),
                    QStringLiteral("Also draw the proof sheets: OUT.png, then OUT-2.png, ... for long shows."),
                    QStringLiteral("OUT.png")});
  const QCommandLineOption asStored(
      QStringLiteral("as-stored"),
      QStringLiteral("Judge every line in its own stored mode, as when each line is clicked before it is sent."));
  parser.addOption(asStored);
  const QCommandLineOption byGo(
      QStringLiteral("go"),
      QStringLiteral("Judge the show as GO (OSC, the stage page) runs it: each line in its stored mode, lines past\n"
                     "the 1001 that keep settings in line 1's; GO refuses a line it cannot send so."));
  parser.addOption(byGo);
  AddCaptionFontOptions(parser);
  const QCommandLineOption track = AddTrackOption(parser);
  if (!ParseCommandLine(parser, arguments, 1)) return 0;

  const QString path = parser.positionalArguments()[0];
  ShowDocument show;
  LoadShowInput(show, path);
  const TFont font = CaptionFontFromOptions(parser, show.Font);
  if (std::abs(font.Height) > kMaxCaptionHeight)
    throw CliError(QStringLiteral("the caption font is %1 pixels high; the check draws up to %2 (see --height)")
                       .arg(std::abs(font.Height))
                       .arg(kMaxCaptionHeight));

  const QList<TranslationTrack> tracks = TracksFromOptions(parser, track);
  CaptionChecker checker(font);
  std::optional<ProofSheets> sheets;
  if (parser.isSet(QStringLiteral("sheet")))
    sheets.emplace(parser.value(QStringLiteral("sheet")), QFileInfo(path).fileName(), font, checker.CellTop(),
                   checker.CellHeight());
  const ListingStyle style = parser.isSet(json) ? ListingStyle::Json : ListingStyle::Plain;
  const CheckRun run = parser.isSet(byGo) ? CheckRun::Go : parser.isSet(asStored) ? CheckRun::AsStored : CheckRun::Enter;
  std::optional<TrackChecks> trackChecks;
  if (!tracks.isEmpty()) trackChecks.emplace(tracks, font, style, run, show.Lines.size());
  // With sheets, printed only once they are written: a failure leaves one message, not half a
  // report. Without, written as it grows: a long show's report is tens of megabytes.
  PiecewiseOutput output;
  const CheckSummary summary = AppendShowCheck(
      output.bytes, style, path, show, checker, run,
      [&sheets, &trackChecks, &output](const LineCheck& check, const QString& text) {
        if (sheets) sheets->Add(check, text);
        if (trackChecks) trackChecks->Check(check, sheets ? &*sheets : nullptr);
        if (!sheets) output.Write();
      });
  if (trackChecks) trackChecks->AppendReports(output.bytes);
  if (sheets) sheets->Finish();
  output.Write(true);
  return summary.problems || (trackChecks && trackChecks->Problems()) ? kFindingsStatus : 0;
}

const CliRegistration registration{{"check", "Check a show for captions the sign will show wrongly", RunCheck}};

}  // namespace
