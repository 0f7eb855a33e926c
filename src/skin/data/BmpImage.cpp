#include "skin/data/BmpImage.h"

#include <QBuffer>
#include <algorithm>
#include <cstdint>

#include "platform/Streams.h"

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
// The smallest info header (the old 12-byte core header) must fit after the file header.
constexpr std::uint32_t SmallestImageSize = FileHeaderSize + 12;
// Long images are read piece by piece, so a damaged size field runs into the end of the
// stream instead of into one huge allocation.
constexpr std::int32_t ReadPieceSize = 0x10000;

std::uint32_t UInt32At(const QByteArray& bytes, int offset) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
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
  QImage image;
  if (!StartsWithBM(bytes) || !image.loadFromData(bytes, "BMP") || image.isNull()) throw EInvalidGraphic();
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
