// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinPackage.h"

#include "platform/Streams.h"
#include "skin/data/AnsiTextLines.h"
#include "skin/data/BmpImage.h"

namespace {

constexpr char PictureFollows = 0;
constexpr char NoPicture = 1;

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

// Walks the package layout, taking each picture with `readImage` (decoded or byte for byte) and
// handing the text after the pictures to `takeText`. Every field is stored as soon as it is read.
template <typename Image, typename ReadImage, typename TakeText>
bool ReadPackageLayout(TStream& stream, std::int32_t& version, Image& picture, Image& inActivePicture,
                       Image& maskPicture, std::vector<Image>& activePictures, ReadImage readImage,
                       TakeText takeText) {
  version = stream.ReadInt32();
  if (version > SkinPackageVersion) return false;
  // One flag byte, then the picture when the flag is 0; a picture left empty means "none".
  const auto readFlagged = [&](Image& image) {
    char flag = NoPicture;
    stream.ReadBuffer(&flag, 1);
    image = flag == PictureFollows ? readImage(stream) : Image();
  };
  readFlagged(picture);
  readFlagged(inActivePicture);
  readFlagged(maskPicture);
  if (version == 2) {
    // Version 2 carried two more pictures that no longer have a use.
    Image dropped;
    readFlagged(dropped);
    readFlagged(dropped);
  }
  // The count is not trusted for allocation: a damaged one runs into the end of the stream.
  const std::int32_t count = stream.ReadInt32();
  for (std::int32_t i = 0; i < count; ++i) activePictures.push_back(readImage(stream));
  takeText(SplitTextLines(ReadToEnd(stream)));
  return true;
}

}  // namespace

bool ReadSkinPackage(TStream& stream, SkinPackage& package) {
  package = SkinPackage{};
  // Each picture is checked on its own when decoded; together they must fit as well, or a
  // package of many small pictures that each claim the largest size would fill memory.
  std::int64_t pixels = 0;
  const auto readImage = [&pixels](TStream& from) {
    const QByteArray image = ReadBmpFileImage(from);
    pixels += BmpPixelCount(image);
    if (pixels > MaxSkinPackagePixels)
      throw EInvalidGraphic(QStringLiteral("The skin's pictures hold more than %1 pixels").arg(MaxSkinPackagePixels));
    return DecodeBmpFileImage(image);
  };
  return ReadPackageLayout(stream, package.Version, package.Picture, package.InActivePicture, package.MaskPicture,
                           package.ActivePictures, readImage,
                           [&](const std::vector<QByteArray>& lines) { package.IniLines = DecodeAnsiLines(lines); });
}

bool ReadSkinPackageImages(TStream& stream, std::int32_t& version, SkinPackageImages& package) {
  package = SkinPackageImages{};
  return ReadPackageLayout(stream, version, package.Picture, package.InActivePicture, package.MaskPicture,
                           package.ActivePictures, ReadBmpFileImage,
                           [&](std::vector<QByteArray> lines) { package.IniLines = std::move(lines); });
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
