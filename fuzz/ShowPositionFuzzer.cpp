// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes as the position file kept beside the recovery copy: what is read is a position the
// writer could have written (it reads back the same), and the line it resumes at is a line of
// the show or none, whatever the show's length.
#include "FuzzSupport.h"
#include "keeping/ShowPosition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ShowPosition position = DecodeShowPosition(FuzzInput(data, size));
  Require(position.selected >= -1 && position.sent >= -1, "a line number read is a line or none");
  Require(DecodeShowPosition(EncodeShowPosition(position)) == position, "a position read writes back as itself");
  for (const int lines : {0, 1, 7, 1001}) {
    const int line = ResumeLine(position, lines);
    Require(line >= -1 && line < lines, "the show is resumed at one of its lines or none");
  }
  return 0;
}
