// lumetra-cli show: reads a show file exactly as the console's load or import does (or a subtitle
// file) and prints it.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliCommand.h"
#include "cli/ShowInput.h"

namespace {

QJsonObject LineJson(const QString& text, const LineSetting& setting) {
  return QJsonObject{{QStringLiteral("text"), text},
                     {QStringLiteral("speed"), setting.Speed},
                     {QStringLiteral("dwell"), setting.Dwell},
                     {QStringLiteral("mode"), setting.Mode}};
}

QString KindName(ShowFileKind kind) {
  switch (kind) {
    case ShowFileKind::Settings:
      return QStringLiteral("settings");
    case ShowFileKind::Text:
      return QStringLiteral("text");
    case ShowFileKind::Subtitles:
      return QStringLiteral("subtitles");
  }
  return {};
}

QByteArray ShowJson(const ShowDocument& show, ShowFileKind kind) {
  const bool settings = kind == ShowFileKind::Settings;
  QJsonArray lines;
  for (int i = 0; i < show.Lines.size(); ++i) lines.append(LineJson(show.Lines[i], show.SettingOf(i)));
  const QJsonObject font{{QStringLiteral("size"), show.Font.Size()},
                         {QStringLiteral("color"), show.Font.Color},
                         {QStringLiteral("name"), show.Font.Name}};
  const QJsonObject root{{QStringLiteral("kind"), KindName(kind)},
                         {QStringLiteral("port"), settings ? QJsonValue(show.Port) : QJsonValue()},
                         {QStringLiteral("font"), settings ? QJsonValue(font) : QJsonValue()},
                         {QStringLiteral("lines"), lines}};
  return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

void PrintShow(const ShowDocument& show, ShowFileKind kind) {
  if (kind == ShowFileKind::Settings) {
    PrintLine(QStringLiteral("settings file"));
    PrintLine(QStringLiteral("port %1").arg(show.Port));
    PrintLine(QStringLiteral("font \"%1\" %2 pt colour %3").arg(show.Font.Name).arg(show.Font.Size()).arg(show.Font.Color));
  } else {
    PrintLine(kind == ShowFileKind::Subtitles ? QStringLiteral("subtitle file") : QStringLiteral("text file"));
  }
  PrintLine(QStringLiteral("%1 lines (line: speed dwell mode text)").arg(show.Lines.size()));
  for (int i = 0; i < show.Lines.size(); ++i) {
    const LineSetting setting = show.SettingOf(i);
    PrintLine(QStringLiteral("%1: %2 %3 %4 %5").arg(i).arg(setting.Speed).arg(setting.Dwell).arg(setting.Mode).arg(show.Lines[i]));
  }
}

int RunShow(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Reads a show as the console's load does (a path containing \".lw\" is a settings file, any "
      "other is imported as plain text) and prints it. A subtitle file (\".srt\") prints the "
      "caption lines it gives."));
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The show file."));
  const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
  parser.addOption(json);
  if (!ParseCommandLine(parser, arguments, 1)) return 0;

  ShowDocument show;
  const ShowFileKind kind = LoadShowInput(show, parser.positionalArguments()[0]);
  if (parser.isSet(json))
    WriteOutput(QStringLiteral("-"), ShowJson(show, kind) + '\n');
  else
    PrintShow(show, kind);
  return 0;
}

const CliRegistration registration{{"show", "Print a show file (settings, text or subtitles)", RunShow}};

}  // namespace
