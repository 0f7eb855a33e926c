#include "skin/data/SkinPackage.h"

#include "platform/Streams.h"
#include "skin/data/AnsiTextLines.h"
#include "skin/data/BmpImage.h"

namespace {

constexpr char PictureFollows = 0;
constexpr char NoPicture = 1;

// One flag byte, then the picture when the flag is 0; a picture left null means "none".
void ReadFlaggedPicture(TStream& stream, QImage& picture) {
  char flag = NoPicture;
  stream.ReadBuffer(&flag, 1);
  picture = flag == PictureFollows ? ReadBmpImage(stream) : QImage();
}

QByteArray ReadToEnd(TStream& stream) {
  QByteArray rest;
  char piece[4096];
  for (std::int32_t got; (got = stream.Read(piece, sizeof piece)) > 0;) rest.append(piece, got);
  return rest;
}

void WriteFlaggedPicture(TStream& stream, const QByteArray& image) {
  const char flag = image.isEmpty() ? NoPicture : PictureFollows;
  stream.WriteBuffer(&flag, 1);
  if (!image.isEmpty()) stream.WriteBuffer(image.constData(), static_cast<std::int32_t>(image.size()));
}

}  // namespace

bool ReadSkinPackage(TStream& stream, SkinPackage& package) {
  package = SkinPackage{};
  package.Version = stream.ReadInt32();
  if (package.Version > SkinPackageVersion) return false;
  ReadFlaggedPicture(stream, package.Picture);
  ReadFlaggedPicture(stream, package.InActivePicture);
  ReadFlaggedPicture(stream, package.MaskPicture);
  if (package.Version == 2) {
    // Version 2 carried two more pictures that no longer have a use.
    QImage dropped;
    ReadFlaggedPicture(stream, dropped);
    ReadFlaggedPicture(stream, dropped);
  }
  // The count is not trusted for allocation: a damaged one runs into the end of the stream.
  const std::int32_t count = stream.ReadInt32();
  for (std::int32_t i = 0; i < count; ++i) package.ActivePictures.push_back(ReadBmpImage(stream));
  package.IniLines = DecodeAnsiLines(SplitTextLines(ReadToEnd(stream)));
  return true;
}

void WriteSkinPackage(TStream& stream, const SkinPackageImages& package) {
  stream.WriteInt32(SkinPackageVersion);
  WriteFlaggedPicture(stream, package.Picture);
  WriteFlaggedPicture(stream, package.InActivePicture);
  WriteFlaggedPicture(stream, package.MaskPicture);
  stream.WriteInt32(static_cast<std::int32_t>(package.ActivePictures.size()));
  for (const QByteArray& image : package.ActivePictures)
    stream.WriteBuffer(image.constData(), static_cast<std::int32_t>(image.size()));
  for (const QByteArray& line : package.IniLines) {
    stream.WriteBuffer(line.constData(), static_cast<std::int32_t>(line.size()));
    stream.WriteBuffer("\r\n", 2);
  }
}
