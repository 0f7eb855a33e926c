// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/ShowListing.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "cli/TextOutput.h"
#include "platform/TextFile.h"
#include "show/FreshShowSink.h"

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

void AppendUtf8Line(std::string& out, const QString& line) {
  AppendUtf8(out, line);
  out += '\n';
}

// Each caption line is listed as soon as it is read.
class ListingSink : public FreshShowSink {
 public:
  ListingSink(ListingStyle style, qsizetype fileBytes) : style_(style) {
    // A listing takes up to about twice a show's bytes, JSON about three times; memory that is
    // reserved but never written costs nothing.
    listing_.lines.reserve(std::size_t(style == ListingStyle::Json ? 3 : 2) * std::size_t(fileBytes) + 4096);
  }

  SettingsListing Finish() {
    AppendListingHead(listing_.head, style_, Show(), ShowFileKind::Settings, LinesRead());
    AppendListingTail(listing_.tail, style_, Show(), ShowFileKind::Settings);
    return std::move(listing_);
  }

 protected:
  void RecordRead(int line, QByteArrayView text, const LineSetting& setting) override {
    AppendListingLine(listing_.lines, style_, line, setting, decoder_.DecodeView(text));
  }

 private:
  ListingStyle style_;
  SettingsListing listing_;
};

}  // namespace

void AppendListingHead(std::string& out, ListingStyle style, const ShowDocument& show, ShowFileKind kind,
                       qsizetype lines) {
  const bool settings = kind == ShowFileKind::Settings;
  if (style == ListingStyle::Plain) {
    if (settings) {
      AppendUtf8Line(out, QStringLiteral("settings file"));
      AppendUtf8Line(out, QStringLiteral("port %1").arg(show.Port));
      AppendUtf8Line(out, QStringLiteral("font \"%1\" %2 pt colour %3").arg(show.Font.Name).arg(show.Font.Size()).arg(show.Font.Color));
    } else {
      AppendUtf8Line(out, kind == ShowFileKind::Subtitles ? QStringLiteral("subtitle file") : QStringLiteral("text file"));
    }
    AppendUtf8Line(out, QStringLiteral("%1 lines (line: speed dwell mode text)").arg(lines));
    return;
  }
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
}

void AppendListingLine(std::string& out, ListingStyle style, int index, const LineSetting& setting, QStringView text) {
  // The numbers are put together first and appended at once: a listing has a few hundred
  // thousand of them, and each append of its own costs more than writing the digits.
  char numbers[128];
  char* p = numbers;
  const auto put = [&p](std::string_view piece) { p = std::copy(piece.begin(), piece.end(), p); };
  const auto putNumber = [&p](std::int32_t value) { p = std::to_chars(p, p + 12, value).ptr; };
  const std::int32_t line = index + 1;
  if (style == ListingStyle::Plain) {
    putNumber(line);
    put(": ");
    for (const std::int32_t number : {setting.Speed, setting.Dwell, setting.Mode}) {
      putNumber(number);
      put(" ");
    }
    out.append(numbers, std::size_t(p - numbers));
    AppendUtf8(out, text);
    out += '\n';
    return;
  }
  put(index == 0 ? "{\"dwell\":" : ",{\"dwell\":");
  putNumber(setting.Dwell);
  put(",\"line\":");
  putNumber(line);
  put(",\"mode\":");
  putNumber(setting.Mode);
  put(",\"speed\":");
  putNumber(setting.Speed);
  put(",\"text\":");
  out.append(numbers, std::size_t(p - numbers));
  AppendJsonString(out, text);
  out += '}';
}

void AppendListingTail(std::string& out, ListingStyle style, const ShowDocument& show, ShowFileKind kind) {
  if (style == ListingStyle::Plain) return;
  out += "],\"port\":";
  if (kind == ShowFileKind::Settings) AppendDecimal(out, show.Port);
  else out += "null";
  out += "}\n";
}

SettingsListing ListSettings(TTextReader& reader, ListingStyle style) {
  ListingSink sink(style, reader.Length());
  ReadSettingsBytes(reader, sink);
  return sink.Finish();
}
