// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "wire/DisplayPacket.h"

#include "wire/DisplayModes.h"

namespace {

template <std::size_t Size>
bool WriteBytes(ByteSink& sink, const std::array<std::uint8_t, Size>& bytes) {
  for (std::uint8_t b : bytes)
    if (!sink.WriteByte(b)) return false;
  return true;
}

bool WritePageRecord(const TBitmap& frame, int modeIndex, bool lastPage, ByteSink& sink) {
  return PackFrame(frame, sink) && PackFrame(frame, sink) && WriteBytes(sink, PageTrailer(modeIndex, lastPage));
}

class ByteArraySink : public ByteSink {
 public:
  bool WriteByte(std::uint8_t byte) override {
    bytes.append(char(byte));
    return true;
  }
  QByteArray bytes;
};

}  // namespace

int PageRecordCount(int textWidth, int modeIndex) {
  return modeIndex == kScrollInFromRightMode ? PageCount(textWidth) : 1;
}

qint64 DisplayPacketSize(int textWidth, int modeIndex) {
  return qint64(kPacketHeader.size()) + 1 + qint64(PageRecordCount(textWidth, modeIndex)) * kPageRecordSize;
}

std::array<std::uint8_t, kPageTrailerSize> PageTrailer(int modeIndex, bool lastPage) {
  return {std::uint8_t(modeIndex), 0x00, 0x01, std::uint8_t(lastPage ? kLastPageMark : 0x00), 0x01};
}

int DisplayPacketPages(const TBitmap& frame, const QString& caption, int modeIndex) {
  return modeIndex == kScrollInFromRightMode ? PageCount(MeasureCaption(frame, caption).cx) : 1;
}

bool WriteDisplayPacket(TBitmap& frame, const QString& caption, int modeIndex, ByteSink& sink) {
  if (!WriteBytes(sink, kPacketHeader)) return false;
  if (modeIndex == kScrollInFromRightMode) {
    const int pages = DisplayPacketPages(frame, caption, modeIndex);
    if (!sink.WriteByte(std::uint8_t(pages))) return false;
    for (int page = 0; page < pages; ++page) {
      DrawPage(frame, caption, page);
      if (!WritePageRecord(frame, modeIndex, page == pages - 1, sink)) return false;
    }
    return true;
  }
  return sink.WriteByte(0x01) && WritePageRecord(frame, modeIndex, true, sink);
}

QByteArray DisplayPacketBytes(TBitmap& frame, const QString& caption, int modeIndex) {
  ByteArraySink sink;
  WriteDisplayPacket(frame, caption, modeIndex, sink);
  return sink.bytes;
}

QByteArray PackedPacketPage(TBitmap& frame, const QString& caption, int modeIndex, int page) {
  if (modeIndex == kScrollInFromRightMode) DrawPage(frame, caption, page);
  ByteArraySink sink;
  PackFrame(frame, sink);
  return sink.bytes;
}

QByteArray BuildDisplayPacket(const QString& caption, const TFont& captionFont, int modeIndex) {
  TBitmap frame = CreateLedFrame();
  RenderCentred(frame, captionFont, caption);
  return DisplayPacketBytes(frame, caption, modeIndex);
}
