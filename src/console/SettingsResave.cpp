#include "console/SettingsResave.h"

#include <exception>
#include <functional>
#include <optional>

#include "console/SettingsFile.h"
#include "console/ShowDocument.h"
#include "console/ShowText.h"
#include "platform/SafeFileWriter.h"
#include "platform/TextFile.h"

namespace {

// Port, font and settings go to a fresh show, which keeps them within the console's rules; the
// caption texts go straight to the writer.
class ResavingSink : public SettingsBytesSink {
 public:
  explicit ResavingSink(qsizetype room) { writer_.Reserve(room); }

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
    if (take_) writer_.HandOverFinished(kPieceSize, take_);
  }

  // Hands the file over in pieces as it is made instead of keeping all of it.
  void HandOverPieces(std::function<void(QByteArrayView)> take) { take_ = std::move(take); }
  QByteArray Finish() { return writer_.Finish(); }

  static constexpr qsizetype kPieceSize = 1 << 20;

 private:
  ShowDocument show_;
  ShowTextDecoder decoder_;
  ShowTextRoundTrip roundTrip_;
  ShowTextWriter writer_;
  std::function<void(QByteArrayView)> take_;
  int line_ = 0;
  int numbers_ = 0;
};

}  // namespace

QByteArray ResaveSettings(TTextReader& reader) {
  // Most shows come back the same size; more room is made only for the odd show that grows.
  ResavingSink sink(reader.Length() + reader.Length() / 8 + 4096);
  ReadSettingsBytes(reader, sink);
  return sink.Finish();
}

void ResaveSettingsFile(const QString& in, const QString& out) {
  TTextReader reader = TTextReader::FromFile(in);
  // A failure to write is kept until the whole show has been read, which may fail first.
  std::optional<SafeFileWriter> file;
  std::exception_ptr writeFailure;
  const auto attempt = [&](const auto& step) {
    if (writeFailure) return;
    try {
      step();
    } catch (...) {
      writeFailure = std::current_exception();
    }
  };
  attempt([&] { file.emplace(out); });
  const auto write = [&](QByteArrayView piece) { attempt([&] { file->Write(piece); }); };
  ResavingSink sink(ResavingSink::kPieceSize + 4096);
  sink.HandOverPieces(write);
  ReadSettingsBytes(reader, sink);
  write(sink.Finish());
  if (writeFailure) std::rethrow_exception(writeFailure);
  file->Commit();
}
