// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/SettingsResave.h"

#include <exception>
#include <functional>
#include <optional>

#include "platform/SafeFileWriter.h"
#include "platform/TextFile.h"
#include "show/FreshShowSink.h"

namespace {

// The caption texts go straight to the writer, each line as soon as it is read.
class ResavingSink : public FreshShowSink {
 public:
  explicit ResavingSink(qsizetype room) { writer_.Reserve(room); }

  void HandOverPieces(std::function<void(QByteArrayView)> take) { take_ = std::move(take); }
  QByteArray Finish() { return writer_.Finish(); }

  static constexpr qsizetype kPieceSize = 1 << 20;

 protected:
  void HeadRead() override { AppendSettingsHead(writer_, Show().Port, Show().Font); }
  void RecordRead(int, QByteArrayView text, const LineSetting& setting) override {
    if (roundTrip_.ComesBackUnchanged(text)) writer_.AppendEncoded(text);
    else writer_.AppendText(decoder_.Decode(text));
    AppendLineSettingNumbers(writer_, setting);
    if (take_) writer_.HandOverFinished(kPieceSize, take_);
  }

 private:
  ShowTextRoundTrip roundTrip_;
  ShowTextWriter writer_;
  std::function<void(QByteArrayView)> take_;
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
