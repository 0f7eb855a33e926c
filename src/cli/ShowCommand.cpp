// lumetra-cli show: reads a show file exactly as the console's load or import does (or a subtitle
// file) and prints it.
#include "cli/CliCommand.h"
#include "cli/TextOutput.h"
#include "cli/ShowInput.h"

namespace {

const char* KindName(ShowFileKind kind) {
  switch (kind) {
    case ShowFileKind::Settings:
      return "settings";
    case ShowFileKind::Text:
      return "text";
    case ShowFileKind::Subtitles:
      return "subtitles";
  }
  return "";
}

// One JSON object, compact, keys sorted: {"font","kind","lines","port"}, each line
// {"dwell","mode","speed","text"}, the font {"color","name","size"}; port and font are null
// unless the show is a settings file. Written line by line: a long show needs no document tree.
void PrintShowJson(const ShowDocument& show, ShowFileKind kind) {
  const bool settings = kind == ShowFileKind::Settings;
  PiecewiseOutput output;
  std::string& out = output.bytes;
  out += "{\"font\":";
  if (settings) {
    out += "{\"color\":";
    AppendDecimal(out, show.Font.Color);
    out += ",\"name\":";
    AppendJsonString(out, show.Font.Name);
    out += ",\"size\":";
    AppendDecimal(out, show.Font.Size());
    out += '}';
  } else {
    out += "null";
  }
  out += ",\"kind\":\"";
  out += KindName(kind);
  out += "\",\"lines\":[";
  for (int i = 0; i < show.Lines.size(); ++i) {
    const LineSetting setting = show.SettingOf(i);
    out += i == 0 ? "{\"dwell\":" : ",{\"dwell\":";
    AppendDecimal(out, setting.Dwell);
    out += ",\"mode\":";
    AppendDecimal(out, setting.Mode);
    out += ",\"speed\":";
    AppendDecimal(out, setting.Speed);
    out += ",\"text\":";
    AppendJsonString(out, show.Lines[i]);
    out += '}';
    output.Write();
  }
  out += "],\"port\":";
  if (settings) AppendDecimal(out, show.Port);
  else out += "null";
  out += "}\n";
  output.Write(true);
}

void PrintShow(const ShowDocument& show, ShowFileKind kind) {
  PiecewiseOutput output;
  const auto line = [&output](const QString& text) { output.bytes += (text + u'\n').toStdString(); };
  if (kind == ShowFileKind::Settings) {
    line(QStringLiteral("settings file"));
    line(QStringLiteral("port %1").arg(show.Port));
    line(QStringLiteral("font \"%1\" %2 pt colour %3").arg(show.Font.Name).arg(show.Font.Size()).arg(show.Font.Color));
  } else {
    line(kind == ShowFileKind::Subtitles ? QStringLiteral("subtitle file") : QStringLiteral("text file"));
  }
  line(QStringLiteral("%1 lines (line: speed dwell mode text)").arg(show.Lines.size()));
  // "line: speed dwell mode text", the numbers written straight as ASCII.
  std::string& out = output.bytes;
  for (int i = 0; i < show.Lines.size(); ++i) {
    const LineSetting setting = show.SettingOf(i);
    AppendDecimal(out, i);
    out += ": ";
    for (const std::int32_t number : {setting.Speed, setting.Dwell, setting.Mode}) {
      AppendDecimal(out, number);
      out += ' ';
    }
    AppendUtf8(out, show.Lines[i]);
    out += '\n';
    output.Write();
  }
  output.Write(true);
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
    PrintShowJson(show, kind);
  else
    PrintShow(show, kind);
  return 0;
}

const CliRegistration registration{{"show", "Print a show file (settings, text or subtitles)", RunShow, false}};

}  // namespace
