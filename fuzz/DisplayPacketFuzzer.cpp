// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Any bytes as the stream a sign receives: the decoder accounts for every byte once, in stream
// order (packets and stray runs follow each other without gap or overlap), and what it reports
// does not depend on how the stream was cut into pieces.
#include <algorithm>
#include <span>

#include "FuzzSupport.h"
#include "wire/DisplayPacketDecoder.h"

namespace {

void Append(std::vector<PacketReport>& all, std::vector<PacketReport> more) {
  for (PacketReport& report : more) all.push_back(std::move(report));
}

bool SameReports(const std::vector<PacketReport>& a, const std::vector<PacketReport>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const PacketReport& x, const PacketReport& y) {
    return x.offset == y.offset && x.bytes == y.bytes && x.stray == y.stray && x.mode == y.mode &&
           x.valid == y.valid && x.error == y.error && x.pages == y.pages;
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the pieces of the second reading.
  const std::size_t piece = 1 + data[0] % 97;
  const std::span<const std::uint8_t> stream(data + 1, size - 1);

  DisplayPacketDecoder whole;
  std::vector<PacketReport> reports = whole.Feed(stream);
  Append(reports, whole.Flush());
  DisplayPacketDecoder pieces;
  std::vector<PacketReport> pieceReports;
  for (std::size_t at = 0; at < stream.size(); at += piece)
    Append(pieceReports, pieces.Feed(stream.subspan(at, std::min(piece, stream.size() - at))));
  Append(pieceReports, pieces.Flush());
  Require(SameReports(reports, pieceReports), "the reports do not depend on the pieces fed");

  std::int64_t next = 0;
  for (const PacketReport& report : reports) {
    Require(report.offset == next && report.bytes > 0, "every byte is reported once, in order");
    Require(report.valid == report.error.isEmpty(), "a packet is valid exactly when it has no error");
    next = report.offset + report.bytes;
  }
  Require(next == std::int64_t(stream.size()), "the reports cover the whole stream");
  return 0;
}
