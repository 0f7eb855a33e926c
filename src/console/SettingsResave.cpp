#include "console/SettingsResave.h"

#include "console/SettingsFile.h"
#include "console/ShowDocument.h"
#include "console/ShowText.h"
#include "platform/TextFile.h"

namespace {

// Port, font and settings go to a fresh show, which keeps them within the console's rules; the
// caption texts go straight to the writer.
class ResavingSink : public SettingsBytesSink {
 public:
  explicit ResavingSink(qsizetype fileBytes) {
    // Most shows come back the same size; more room is made only for the odd show that grows.
    writer_.Reserve(fileBytes + fileBytes / 8 + 4096);
  }

  void SetPort(std::int32_t port) override { show_.SetPort(port); }
  void SetFontSize(std::int32_t points) override { show_.SetFontSize(points); }
  void SetFontColor(std::int32_t color) override { show_.SetFontColor(color); }
  void SetFontName(QByteArrayView name) override { show_.SetFontName(decoder_.Decode(name)); }
  void ClearCaptionLines() override {
    show_.ClearCaptionLines();
    AppendSettingsHead(writer_, show_.Port, show_.Font);
  }
  void BeginCaptionRecord(QByteArrayView text) override {
    if (roundTrip_.ComesBackUnchanged(text)) writer_.AppendEncoded(text);
    else writer_.AppendText(decoder_.Decode(text));
    numbers_ = 0;
  }
  void AddRecordNumber(std::int32_t value) override {
    // Lines without an entry are saved with the defaults, whatever their numbers said.
    if (HasLineSetting(line_)) {
      if (numbers_ == 0) show_.SetLineSpeed(line_, value);
      else if (numbers_ == 1) show_.SetLineDwell(line_, value);
      else show_.SetLineMode(line_, value);
    }
    if (++numbers_ < 3) return;
    AppendLineSettingNumbers(writer_, show_.SettingOf(line_));
    ++line_;
  }

  QByteArray Finish() { return writer_.Finish(); }

 private:
  ShowDocument show_;
  ShowTextDecoder decoder_;
  ShowTextRoundTrip roundTrip_;
  ShowTextWriter writer_;
  int line_ = 0;
  int numbers_ = 0;
};

}  // namespace

QByteArray ResaveSettings(TTextReader& reader) {
  ResavingSink sink(reader.Length());
  ReadSettingsBytes(reader, sink);
  return sink.Finish();
}

QByteArray ResaveSettingsFile(const QString& path) {
  TTextReader reader = TTextReader::FromFile(path);
  return ResaveSettings(reader);
}
