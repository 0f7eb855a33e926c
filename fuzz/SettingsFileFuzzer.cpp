// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes read as a settings file (".lw"): the reader either fails with an I/O error or
// yields a show, and a show that was read saves to bytes that read back into the same show.
// Resaving the bytes as they are read fails where the read fails and gives what the save gives.
#include <cstdlib>
#include <optional>

#include "FuzzSupport.h"
#include "platform/InOutError.h"
#include "platform/TextFile.h"
#include "show/SettingsFile.h"
#include "show/SettingsResave.h"
#include "show/ShowDocument.h"

namespace {

// A font size is kept as a pixel height; sizes near the ends of 32 bits (about 1.6 billion
// points) have no height, and the platform's arithmetic wraps or fails there.
bool SizeHasAHeight(const TFont& font) { return std::abs(std::int64_t(font.Size())) < 1'000'000'000; }

bool SameShow(const ShowDocument& a, const ShowDocument& b) {
  return a.Port == b.Port && (a.Font.Size() == b.Font.Size() || !SizeHasAHeight(a.Font)) &&
         a.Font.Color == b.Font.Color && a.Font.Name == b.Font.Name && a.Lines == b.Lines && a.Settings == b.Settings;
}

// The bytes resaved as they are read, or std::nullopt where that fails.
std::optional<QByteArray> Resaved(const std::uint8_t* data, std::size_t size) {
  TTextReader reader(FuzzInput(data, size));
  try {
    return ResaveSettings(reader);
  } catch (const EInOutError&) {
    return std::nullopt;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ShowDocument show;
  TTextReader reader(FuzzInput(data, size));
  try {
    ReadSettings(reader, show);
  } catch (const EInOutError&) {
    Require(!Resaved(data, size), "a show that cannot be read cannot be resaved");
    return 0;
  }
  const QByteArray saved = EncodeSettingsFile(show.Port, show.Font, show.Lines, show.Settings);
  Require(Resaved(data, size) == saved, "a show resaved as it is read gives what its save gives");
  ShowDocument again;
  TTextReader savedReader(saved);
  ReadSettings(savedReader, again);
  Require(SameShow(show, again), "a saved show reads back as it was");
  return 0;
}
