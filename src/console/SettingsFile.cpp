#include "console/SettingsFile.h"

#include "console/ShowText.h"
#include "platform/SafeFileWriter.h"
#include "platform/TextFile.h"

namespace {

// Caption records read but not yet handed to the sink: their texts are decoded together, a few
// hundred at a time, since a converter call costs far more than the bytes of one caption.
class PendingRecords {
 public:
  PendingRecords(ShowTextDecoder& decoder, SettingsSink& sink) : decoder_(decoder), sink_(sink) {}

  void BeginRecord(QByteArrayView text) {
    texts_.append(text);
    numbers_.append(Numbers{});
  }
  // The record's next number, in the order Speed, Dwell, Mode.
  void AddNumber(std::int32_t value) {
    Numbers& numbers = numbers_.last();
    numbers.values[numbers.count++] = value;
  }
  bool Full() const { return texts_.size() >= 1024; }

  // Hands the records over in file order: the text, then the numbers that were read.
  void HandOver() {
    const QStringList texts = decoder_.DecodeAll(texts_);
    for (qsizetype i = 0; i < texts.size(); ++i, ++line_) {
      sink_.AppendCaptionLine(texts[i]);
      // The numbers of a line without an entry are read all the same, to stay in step.
      if (!HasLineSetting(line_)) continue;
      const Numbers& numbers = numbers_[i];
      if (numbers.count > 0) sink_.SetLineSpeed(line_, numbers.values[0]);
      if (numbers.count > 1) sink_.SetLineDwell(line_, numbers.values[1]);
      if (numbers.count > 2) sink_.SetLineMode(line_, numbers.values[2]);
    }
    texts_.resize(0);
    numbers_.resize(0);
  }

 private:
  struct Numbers {
    std::int32_t values[3] = {};
    int count = 0;
  };
  ShowTextDecoder& decoder_;
  SettingsSink& sink_;
  QList<QByteArrayView> texts_;
  QList<Numbers> numbers_;
  int line_ = 0;
};

}  // namespace

void ReadSettings(TTextReader& reader, SettingsSink& sink) {
  ShowTextDecoder decoder;
  sink.SetPort(reader.ReadInteger());
  sink.SetFontSize(reader.ReadInteger());
  sink.SetFontColor(reader.ReadInteger());
  sink.SetFontName(decoder.Decode(reader.ReadLineView()));
  sink.ClearCaptionLines();
  PendingRecords pending(decoder, sink);
  try {
    while (!reader.Eof()) {
      pending.BeginRecord(reader.ReadLineView());
      for (int number = 0; number < 3; ++number) pending.AddNumber(reader.ReadInteger());
      if (pending.Full()) pending.HandOver();
    }
  } catch (...) {
    pending.HandOver();  // what was read before the failure arrives, then the failure
    throw;
  }
  pending.HandOver();
}

void LoadSettingsFile(const QString& path, SettingsSink& sink) {
  TTextReader reader = TTextReader::FromFile(path);
  ReadSettings(reader, sink);
}

QByteArray EncodeSettingsFile(int port, const TFont& font, const QStringList& lines, const LineSettingTable& table) {
  ShowTextWriter writer;
  // A character takes at most four bytes; a line's numbers and line ends at most 40. Memory that
  // is reserved but never written costs nothing.
  qsizetype bound = 128 + 4 * font.Name.size();
  for (const QString& line : lines) bound += 4 * line.size() + 40;
  writer.Reserve(bound);
  const auto numberLine = [&writer](std::int32_t value) {
    writer.AppendNumber(value);
    writer.AppendAscii("\r\n");
  };
  numberLine(port);
  numberLine(font.Size());
  numberLine(font.Color);
  writer.AppendText(font.Name);
  writer.AppendAscii("\r\n");
  for (int line = 0; line < lines.size(); ++line) {
    writer.AppendText(lines[line]);
    writer.AppendAscii("\r\n");
    const LineSetting setting = SettingOfLine(table, line);
    numberLine(setting.Speed);
    numberLine(setting.Dwell);
    numberLine(setting.Mode);
  }
  return writer.Finish();
}

void SaveSettingsFile(const QString& path, int port, const TFont& font, const QStringList& lines,
                      const LineSettingTable& table) {
  WriteFileSafely(path, EncodeSettingsFile(port, font, lines, table));
}
