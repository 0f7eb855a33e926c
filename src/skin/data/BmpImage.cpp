// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/BmpImage.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/Streams.h"

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
// The smallest info header (the old 12-byte core header) must fit after the file header.
constexpr std::uint32_t SmallestImageSize = FileHeaderSize + 12;
// Long images are read piece by piece, so a damaged size field runs into the end of the
// stream instead of into one huge allocation.
constexpr std::int32_t ReadPieceSize = 0x10000;

// Far beyond any window skin (4096 x 4096), yet small enough that a damaged header cannot make
// the decoder allocate gigabytes for a picture a few bytes long.
constexpr std::int64_t MaxPicturePixels = std::int64_t(1) << 24;

std::uint32_t UInt32At(const QByteArray& bytes, int offset) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::uint16_t UInt16At(const QByteArray& bytes, int offset) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
  return std::uint16_t(p[0] | p[1] << 8);
}

// What the info header states: the size (height made positive), the bits per pixel and the
// compression; nothing when the headers are too short or of no known layout.
struct StatedPicture {
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t bits = 0;
  std::uint32_t compression = 0;
};

std::optional<StatedPicture> StatedPictureOf(const QByteArray& bytes) {
  constexpr int InfoAt = FileHeaderSize;
  if (bytes.size() < InfoAt + 16) return std::nullopt;
  const std::uint32_t infoSize = UInt32At(bytes, InfoAt);
  StatedPicture picture;
  if (infoSize == 12) {  // the old core header: 16-bit sizes, never compressed
    picture.width = UInt16At(bytes, InfoAt + 4);
    picture.height = UInt16At(bytes, InfoAt + 6);
    picture.bits = UInt16At(bytes, InfoAt + 10);
  } else {
    if (infoSize < 20 || bytes.size() < InfoAt + 20) return std::nullopt;
    picture.width = std::int32_t(UInt32At(bytes, InfoAt + 4));
    picture.height = std::int32_t(UInt32At(bytes, InfoAt + 8));  // negative: rows stored top down
    picture.bits = UInt16At(bytes, InfoAt + 14);
    picture.compression = UInt32At(bytes, InfoAt + 16);
  }
  picture.height = picture.height < 0 ? -picture.height : picture.height;
  return picture;
}

// Whether the headers describe a picture worth decoding: at most MaxPicturePixels, and for rows
// stored without run-length encoding, pixel data that the image really holds. Checked before the
// decoder allocates the picture from the stated size.
bool PlausibleSize(const QByteArray& bytes) {
  const std::optional<StatedPicture> picture = StatedPictureOf(bytes);
  if (!picture) return false;
  const auto [width, height, bits, compression] = *picture;
  if (width <= 0 || height == 0 || width * height > MaxPicturePixels) return false;
  constexpr std::uint32_t Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6;
  if (compression == Rle8 || compression == Rle4) return true;  // runs: any length of data
  if (compression != Rgb && compression != BitFields && compression != AlphaBitFields) return true;
  const std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
  const std::int64_t pixelsAt = UInt32At(bytes, 10);
  return pixelsAt <= bytes.size() && rowBytes * height <= bytes.size() - pixelsAt;
}

bool StartsWithBM(const QByteArray& bytes) { return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M'; }

// The image size that a file header states, or 0 when the header is not a usable BMP header.
std::uint32_t StatedImageSize(const QByteArray& header) {
  if (header.size() < static_cast<qsizetype>(FileHeaderSize) || !StartsWithBM(header)) return 0;
  const std::uint32_t size = UInt32At(header, 2);
  return size >= SmallestImageSize ? size : 0;
}

}  // namespace

EInvalidGraphic::EInvalidGraphic() : Exception(QStringLiteral("Bitmap image is not valid")) {}

std::int64_t BmpPixelCount(const QByteArray& bytes) {
  const std::optional<StatedPicture> picture = StatedPictureOf(bytes);
  return picture && picture->width > 0 ? picture->width * picture->height : 0;
}

int BmpBitCount(const QByteArray& bytes) {
  const std::optional<StatedPicture> picture = StatedPictureOf(bytes);
  return picture ? int(picture->bits) : 0;
}

QByteArray ReadBmpFileImage(TStream& stream) {
  QByteArray image(FileHeaderSize, Qt::Uninitialized);
  stream.ReadBuffer(image.data(), FileHeaderSize);
  const std::uint32_t size = StatedImageSize(image);
  if (size == 0) throw EInvalidGraphic();
  while (static_cast<std::uint32_t>(image.size()) < size) {
    const auto piece = static_cast<std::int32_t>(
        std::min<std::uint32_t>(size - static_cast<std::uint32_t>(image.size()), ReadPieceSize));
    const qsizetype at = image.size();
    image.resize(at + piece);
    stream.ReadBuffer(image.data() + at, piece);
  }
  return image;
}

QImage DecodeBmpFileImage(const QByteArray& bytes) {
  if (!StartsWithBM(bytes) || !PlausibleSize(bytes)) throw EInvalidGraphic();
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  // The toolkit's own bitmap reader only: asking every image plugin whether it reads the bytes
  // loads them all, on the skin's start-up path.
  QImageReader reader(&buffer, "bmp");
  reader.setAutoDetectImageFormat(false);
  const QImage image = reader.read();
  if (image.isNull()) throw EInvalidGraphic();
  return image;
}

QImage ReadBmpImage(TStream& stream) { return DecodeBmpFileImage(ReadBmpFileImage(stream)); }

QByteArray LoadBmpFile(const QString& fileName) {
  TMemoryStream file;
  file.LoadFromFile(fileName);
  const QByteArray& bytes = file.Memory();
  if (!StartsWithBM(bytes)) throw EInvalidGraphic();
  const std::uint32_t size = StatedImageSize(bytes);
  if (size != 0 && size <= static_cast<std::uint64_t>(bytes.size())) {
    const QByteArray image = bytes.left(size);
    DecodeBmpFileImage(image);  // a picture the reader cannot decode is not stored
    return image;
  }
  QByteArray rewritten;
  QBuffer buffer(&rewritten);
  buffer.open(QIODevice::WriteOnly);
  if (!DecodeBmpFileImage(bytes).save(&buffer, "BMP")) throw EInvalidGraphic();
  return rewritten;
}
