#include "console/SettingsFile.h"

#include "console/ShowText.h"
#include "platform/SafeFileWriter.h"
#include "platform/TextFile.h"

void ReadSettings(TTextReader& reader, SettingsSink& sink) {
  ShowTextDecoder decoder;
  sink.SetPort(reader.ReadInteger());
  sink.SetFontSize(reader.ReadInteger());
  sink.SetFontColor(reader.ReadInteger());
  sink.SetFontName(decoder.Decode(reader.ReadLine()));
  sink.ClearCaptionLines();
  for (int line = 0; !reader.Eof(); ++line) {
    sink.AppendCaptionLine(decoder.Decode(reader.ReadLine()));
    // The numbers of a line without an entry are read all the same, to stay in step.
    const bool hasEntry = HasLineSetting(line);
    const std::int32_t speed = reader.ReadInteger();
    if (hasEntry) sink.SetLineSpeed(line, speed);
    const std::int32_t dwell = reader.ReadInteger();
    if (hasEntry) sink.SetLineDwell(line, dwell);
    const std::int32_t mode = reader.ReadInteger();
    if (hasEntry) sink.SetLineMode(line, mode);
  }
}

void LoadSettingsFile(const QString& path, SettingsSink& sink) {
  TTextReader reader = TTextReader::FromFile(path);
  ReadSettings(reader, sink);
}

namespace {

void AppendNumber(QByteArray& out, std::int32_t value) {
  out += QByteArray::number(value);
  out += "\r\n";
}

}  // namespace

QByteArray EncodeSettingsFile(int port, const TFont& font, const QStringList& lines, const LineSettingTable& table) {
  ShowTextEncoder encoder;
  QByteArray out;
  out.reserve(64 + lines.size() * 32);
  AppendNumber(out, port);
  AppendNumber(out, font.Size());
  AppendNumber(out, font.Color);
  encoder.AppendEncoded(out, font.Name);
  out += "\r\n";
  for (int line = 0; line < lines.size(); ++line) {
    encoder.AppendEncoded(out, lines[line]);
    out += "\r\n";
    const LineSetting setting = SettingOfLine(table, line);
    AppendNumber(out, setting.Speed);
    AppendNumber(out, setting.Dwell);
    AppendNumber(out, setting.Mode);
  }
  return out;
}

void SaveSettingsFile(const QString& path, int port, const TFont& font, const QStringList& lines,
                      const LineSettingTable& table) {
  WriteFileSafely(path, EncodeSettingsFile(port, font, lines, table));
}
