// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/SettingsFile.h"

#include <charconv>

#include "platform/SafeFileWriter.h"
#include "platform/TextFile.h"
#include "show/ShowText.h"

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

// The bytes steps decoded for a SettingsSink: the font name at once, caption texts in batches.
class DecodingSink : public SettingsBytesSink {
 public:
  explicit DecodingSink(SettingsSink& sink) : sink_(sink), pending_(decoder_, sink) {}

  void SetPort(std::int32_t port) override { sink_.SetPort(port); }
  void SetFontSize(std::int32_t points) override { sink_.SetFontSize(points); }
  void SetFontColor(std::int32_t color) override { sink_.SetFontColor(color); }
  void SetFontName(QByteArrayView name) override { sink_.SetFontName(decoder_.Decode(name)); }
  void ClearCaptionLines() override { sink_.ClearCaptionLines(); }
  void BeginCaptionRecord(QByteArrayView text) override {
    if (pending_.Full()) pending_.HandOver();
    pending_.BeginRecord(text);
  }
  void AddRecordNumber(std::int32_t value) override { pending_.AddNumber(value); }
  void HandOver() { pending_.HandOver(); }

 private:
  SettingsSink& sink_;
  ShowTextDecoder decoder_;
  PendingRecords pending_;
};

}  // namespace

void ReadSettingsBytes(TTextReader& reader, SettingsBytesSink& sink) {
  sink.SetPort(reader.ReadInteger());
  sink.SetFontSize(reader.ReadInteger());
  sink.SetFontColor(reader.ReadInteger());
  sink.SetFontName(reader.ReadLineView());
  sink.ClearCaptionLines();
  while (!reader.Eof()) {
    sink.BeginCaptionRecord(reader.ReadLineView());
    for (int number = 0; number < 3; ++number) sink.AddRecordNumber(reader.ReadInteger());
  }
}

void ReadSettings(TTextReader& reader, SettingsSink& sink) {
  DecodingSink decoding(sink);
  try {
    ReadSettingsBytes(reader, decoding);
  } catch (...) {
    decoding.HandOver();  // what was read before the failure arrives, then the failure
    throw;
  }
  decoding.HandOver();
}

void LoadSettingsFile(const QString& path, SettingsSink& sink) {
  TTextReader reader = TTextReader::FromFile(path);
  ReadSettings(reader, sink);
}

namespace {

void AppendNumberLine(ShowTextWriter& writer, std::int32_t value) {
  writer.AppendNumber(value);
  writer.AppendAscii("\r\n");
}

}  // namespace

void AppendSettingsHead(ShowTextWriter& writer, int port, const TFont& font) {
  AppendNumberLine(writer, port);
  AppendNumberLine(writer, font.Size());
  AppendNumberLine(writer, font.Color);
  writer.AppendText(font.Name);
  writer.AppendAscii("\r\n");
}

void AppendLineSettingNumbers(ShowTextWriter& writer, const LineSetting& setting) {
  // Put together first and handed over at once: a long show has hundreds of thousands of them.
  char lines[64] = {'\r', '\n'};
  char* p = lines + 2;
  for (const std::int32_t value : {setting.Speed, setting.Dwell, setting.Mode}) {
    p = std::to_chars(p, p + 12, value).ptr;
    *p++ = '\r';
    *p++ = '\n';
  }
  writer.AppendAscii(QByteArrayView(lines, p - lines));
}

QByteArray EncodeSettingsHead(int port, const TFont& font) {
  ShowTextWriter writer;
  AppendSettingsHead(writer, port, font);
  return writer.Finish();
}

QByteArray EncodeSettingsFile(QByteArrayView head, const QStringList& lines, const LineSettingTable& table) {
  ShowTextWriter writer;
  // A character takes at most four bytes; a line's numbers and line ends at most 40. Memory that
  // is reserved but never written costs nothing.
  qsizetype bound = head.size();
  for (const QString& line : lines) bound += 4 * line.size() + 40;
  writer.Reserve(bound);
  writer.AppendEncoded(head);
  for (int line = 0; line < lines.size(); ++line) {
    writer.AppendText(lines[line]);
    AppendLineSettingNumbers(writer, SettingOfLine(table, line));
  }
  return writer.Finish();
}

QByteArray EncodeSettingsFile(int port, const TFont& font, const QStringList& lines, const LineSettingTable& table) {
  return EncodeSettingsFile(EncodeSettingsHead(port, font), lines, table);
}

void SaveSettingsFile(const QString& path, int port, const TFont& font, const QStringList& lines,
                      const LineSettingTable& table) {
  WriteFileSafely(path, EncodeSettingsFile(port, font, lines, table));
}
