// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes imported as a text file (".txt") or a subtitle file (".srt"): decoding never fails,
// no caption line holds a line end, and a subtitle file either gives caption lines or fails with
// a message that names the line; its cues hold those caption lines.
#include "FuzzSupport.h"
#include "platform/Exceptions.h"
#include "show/SubtitleFile.h"
#include "show/TextEncoding.h"
#include "show/TextImport.h"

namespace {

bool HoldsLineEnd(const QString& line) { return line.contains(u'\n') || line.contains(u'\r'); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes = FuzzInput(data, size);
  for (const QString& line : DecodeCaptionText(bytes)) Require(!HoldsLineEnd(line), "a caption line holds no line end");
  try {
    const QString text = DecodeImportedText(bytes);
    const QStringList captions = SubtitleCaptions(text);
    for (const QString& line : captions) Require(!HoldsLineEnd(line), "a subtitle caption holds no line end");
    // A track reads the same cues, one line each.
    QStringList cueCaptions;
    for (const QStringList& cue : SubtitleCues(text)) cueCaptions << (cue.isEmpty() ? QStringList{QString()} : cue);
    Require(cueCaptions == captions, "the cues hold the captions, a cue without text one empty caption");
  } catch (const Exception& error) {
    Require(error.Message().startsWith(QStringLiteral("line ")), "a malformed subtitle file names the line");
  }
  return 0;
}
