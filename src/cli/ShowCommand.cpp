// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli show: reads a show file exactly as the console's load or import does (or a subtitle
// file) and prints it.
#include "cli/CliCommand.h"
#include "cli/ShowInput.h"
#include "cli/ShowListing.h"
#include "cli/TrackListing.h"
#include "cli/TrackOptions.h"
#include "platform/TextFile.h"

namespace {

// A show held in memory, listed in pieces as the listing grows: a long show needs no second copy.
// Each line is followed by its translations on the tracks given.
void PrintShow(const ShowDocument& show, ShowFileKind kind, ListingStyle style, const QList<TranslationTrack>& tracks) {
  const TrackListing translations(tracks, style, show.Lines.size());
  PiecewiseOutput output;
  AppendListingHead(output.bytes, style, show, kind, show.Lines.size());
  translations.AppendHead(output.bytes);
  for (int i = 0; i < show.Lines.size(); ++i) {
    AppendListingLine(output.bytes, style, i, show.SettingOf(i), show.Lines[i]);
    translations.AppendLine(output.bytes, i);
    output.Write();
  }
  AppendListingTail(output.bytes, style, show, kind);
  translations.AppendTail(output.bytes);
  output.Write(true);
}

// A settings file listed as it is read; printed only once all of it has been read.
void PrintSettingsFile(const QString& path, ListingStyle style) {
  TTextReader reader = TTextReader::FromFile(path);
  SettingsListing listing = ListSettings(reader, style);
  PiecewiseOutput output;
  for (std::string* piece : {&listing.head, &listing.lines, &listing.tail}) {
    output.bytes.swap(*piece);
    output.Write(true);
  }
}

int RunShow(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Reads a show as the console's load does (a path containing \".lw\" is a settings file, any "
      "other is imported as plain text) and prints it, its lines numbered from 1 as the console "
      "numbers them (\"line\" in --json). A subtitle file (\".srt\") prints the caption lines it "
      "gives. With --track, each line is followed by its translations."));
  const QCommandLineOption json = AddShowFileArguments(parser);
  const QCommandLineOption track = AddTrackOption(parser);
  if (!ParseCommandLine(parser, arguments, 1)) return 0;

  const QString path = parser.positionalArguments()[0];
  const ListingStyle style = parser.isSet(json) ? ListingStyle::Json : ListingStyle::Plain;
  if (IsSettingsInput(path) && !parser.isSet(track)) {
    PrintSettingsFile(path, style);
  } else {
    ShowDocument show;
    const ShowFileKind kind = LoadShowInput(show, path);
    PrintShow(show, kind, style, TracksFromOptions(parser, track));
  }
  return 0;
}

const CliRegistration registration{{"show", "Print a show file (settings, text or subtitles)", RunShow, false}};

}  // namespace
