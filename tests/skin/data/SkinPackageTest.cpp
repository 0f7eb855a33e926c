// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QSet>
#include <limits>

#include "platform/Streams.h"
#include "skin/data/BmpImage.h"
#include "skin/data/SkinPackage.h"
#include "support/BmpBuilder.h"

namespace {

const BmpTestImage Depths[] = {{5, 3, 1},  {7, 4, 4},        {9, 5, 8},       {6, 3, 24},
                               {3, 2, 32}, {11, 4, 8, true}, {13, 3, 4, true}};
const BmpTestImage& Eight = Depths[2];
const BmpTestImage& One = Depths[0];

// Package bytes built by hand, so that versions and flags the writer never writes can be read.
class PackageBytes {
 public:
  explicit PackageBytes(std::int32_t version) { stream_.WriteInt32(version); }
  PackageBytes& Flag(char flag) { return Bytes(QByteArray(1, flag)); }
  PackageBytes& Picture(const BmpTestImage& image) { return Flag(0).Image(image); }
  PackageBytes& Image(const BmpTestImage& image) { return Bytes(MakeBmp(image)); }
  PackageBytes& Count(std::int32_t count) {
    stream_.WriteInt32(count);
    return *this;
  }
  PackageBytes& Bytes(const QByteArray& bytes) {
    stream_.WriteBuffer(bytes.constData(), static_cast<std::int32_t>(bytes.size()));
    return *this;
  }
  operator QByteArray() const { return stream_.Memory(); }

 private:
  TMemoryStream stream_;
};

QString ReadError(const QByteArray& bytes, SkinPackage& package) {
  TMemoryStream stream(bytes);
  try {
    ReadSkinPackage(stream, package);
  } catch (const Exception& e) {
    return e.Message();
  }
  return QStringLiteral("no error");
}

}  // namespace

TEST(SkinPackage, BmpImagesOfEveryDepthDecodeAndEndAfterTheirSize) {
  for (const BmpTestImage& image : Depths) {
    SCOPED_TRACE(image.bits * 10 + image.runLengthEncoded);
    const QByteArray bmp = MakeBmp(image);
    TMemoryStream stream(bmp + "NEXT");
    EXPECT_TRUE(MatchesBmpTestImage(ReadBmpImage(stream), image));
    EXPECT_EQ(stream.Position(), bmp.size());
  }
  // Sound size but nonsense headers; and a size that cannot hold the headers.
  for (const QByteArray& bad : {QByteArray("BM\x3E\0\0\0", 6) + QByteArray(56, '\xFF'),
                                QByteArray("BM\x0A\0\0\0", 6) + MakeBmp(Eight).mid(6)}) {
    TMemoryStream stream(bad);
    EXPECT_THROW(ReadBmpImage(stream), EInvalidGraphic);
  }
  // A size of nearly 2 GB runs into the end of the data instead of being allocated.
  TMemoryStream huge(MakeBmp(Eight).left(5) + "\x7F" + MakeBmp(Eight).mid(6));
  EXPECT_THROW(ReadBmpImage(huge), EReadError);
}

namespace {

// The BMP file image with other dimensions (and compression) in its info header.
QByteArray Resized(QByteArray bmp, std::int32_t width, std::int32_t height, int compression = -1) {
  TMemoryStream fields;
  fields.WriteInt32(width);
  fields.WriteInt32(height);
  bmp.replace(18, 8, fields.Memory());
  if (compression >= 0) bmp[30] = char(compression);
  return bmp;
}

}  // namespace

namespace {

// The image plugins mapped into the process (the toolkit keeps a loaded plugin until exit).
int MappedImagePlugins() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return -1;
  QSet<QByteArray> plugins;
  for (const QByteArray& line : maps.readAll().split('\n'))
    if (line.contains("/imageformats/")) plugins.insert(line.mid(line.lastIndexOf(' ') + 1));
  return int(plugins.size());
}

}  // namespace

TEST(SkinPackage, PicturesAreDecodedWithoutLoadingImagePlugins) {
  const int before = MappedImagePlugins();
  ASSERT_GE(before, 0);
  for (const BmpTestImage& image : Depths) EXPECT_TRUE(MatchesBmpTestImage(DecodeBmpFileImage(MakeBmp(image)), image));
  EXPECT_EQ(MappedImagePlugins(), before);
}

TEST(SkinPackage, HugePicturesAreRefusedBeforeTheyAreAllocated) {
  // Without the decoder's own allocation limit, the refusal is the reader's.
  const int limit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(0);
  const QByteArray rle = MakeBmp(Depths[5]);  // 8-bit runs: any size fits in a few bytes
  const QByteArray plain = MakeBmp(Eight);
  const QByteArray core = QByteArray("BM\x20\0\0\0\0\0\0\0\x1A\0\0\0\x0C\0\0\0\xFF\xFF\xFF\xFF\1\0\x18\0", 26) +
                          QByteArray(6, '\0');  // the old header's 16-bit sizes at their largest
  for (const QByteArray& huge : {Resized(rle, 0x7FFFFFFF, 0x7FFFFFFF), Resized(rle, 4097, 4096),
                                 Resized(rle, 1, std::numeric_limits<std::int32_t>::min()),
                                 Resized(plain, 30000, 30000), Resized(plain, 9, 6), Resized(plain, 9, -6), core}) {
    SCOPED_TRACE(huge.mid(18, 8).toHex().toStdString());
    EXPECT_THROW(DecodeBmpFileImage(huge), EInvalidGraphic);
  }
  EXPECT_EQ(DecodeBmpFileImage(Resized(rle, 4096, 4096)).size(), QSize(4096, 4096));
  EXPECT_EQ(DecodeBmpFileImage(Resized(plain, 9, -5)).size(), QSize(9, 5));  // rows top down

  // Pictures that each may be as large still must fit together: the third of 4096 x 4096 is
  // refused before it is decoded, the two before it stay.
  const QByteArray largest = Resized(rle, 4096, 4096);
  SkinPackage package;
  EXPECT_EQ(ReadError(PackageBytes(3).Flag(1).Flag(1).Flag(1).Count(3).Bytes(largest).Bytes(largest).Bytes(largest),
                      package),
            "The skin's pictures hold more than 33554432 pixels");
  EXPECT_EQ(package.ActivePictures.size(), 2u);
  QImageReader::setAllocationLimit(limit);
}

TEST(SkinPackage, BmpFilesAreStoredUpToTheirSizeOrWrittenAnewWithoutOne) {
  const QByteArray bmp = MakeBmp(Eight);
  auto load = [](const QByteArray& bytes) {
    QFile file(QStringLiteral("picture.bmp"));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    file.close();
    return LoadBmpFile(file.fileName());
  };
  EXPECT_EQ(load(bmp + "junk after the picture"), bmp);
  const QByteArray rewritten = load(bmp.left(2) + QByteArray(4, '\0') + bmp.mid(6));  // bfSize left 0
  TMemoryStream stream(rewritten + "NEXT");
  EXPECT_TRUE(MatchesBmpTestImage(ReadBmpImage(stream), Eight));
  EXPECT_EQ(stream.Position(), rewritten.size());
  EXPECT_THROW(load("not a picture"), EInvalidGraphic);
}

TEST(SkinPackage, WrittenPackagesReadBackWithAllPicturesAndText) {
  SkinPackageImages written;
  written.Picture = MakeBmp(Eight);
  written.MaskPicture = MakeBmp(One);
  for (const BmpTestImage& image : Depths) written.ActivePictures.push_back(MakeBmp(image));
  written.IniLines = {"[VERSION]", "skinname=\xB2\xE2\xCA\xD4", ""};  // GB18030 text, empty last line
  TMemoryStream stream;
  WriteSkinPackage(stream, written);
  EXPECT_TRUE(stream.Memory().startsWith(QByteArray("\3\0\0\0\0BM", 7)));
  EXPECT_TRUE(stream.Memory().endsWith("]\r\nskinname=\xB2\xE2\xCA\xD4\r\n\r\n"));

  stream.SetPosition(0);
  SkinPackage package;
  ASSERT_TRUE(ReadSkinPackage(stream, package));
  EXPECT_TRUE(MatchesBmpTestImage(package.Picture, Eight));
  EXPECT_TRUE(package.InActivePicture.isNull());
  EXPECT_TRUE(MatchesBmpTestImage(package.MaskPicture, One));
  ASSERT_EQ(package.ActivePictures.size(), std::size(Depths));
  for (size_t i = 0; i < std::size(Depths); ++i) EXPECT_TRUE(MatchesBmpTestImage(package.ActivePictures[i], Depths[i]));
  EXPECT_EQ(package.IniLines, QStringList({"[VERSION]", QString::fromUtf8("skinname=测试"), ""}));
}

TEST(SkinPackage, OlderVersionsLoadAndNewerOnesAreIgnored) {
  SkinPackage package;
  // Version 2 has two extra flagged pictures after the mask, which are dropped.
  const QByteArray version2 =
      PackageBytes(2).Picture(Eight).Flag(1).Flag(7).Picture(One).Picture(Eight).Count(1).Image(Depths[5]).Bytes(
          "[A]\r\nk=v\r\n");
  EXPECT_EQ(ReadError(version2, package), "no error");
  EXPECT_EQ(package.Version, 2);
  EXPECT_TRUE(MatchesBmpTestImage(package.Picture, Eight));
  EXPECT_TRUE(package.InActivePicture.isNull() && package.MaskPicture.isNull());  // any non-zero flag: none
  ASSERT_EQ(package.ActivePictures.size(), 1u);
  EXPECT_TRUE(MatchesBmpTestImage(package.ActivePictures[0], Depths[5]));
  EXPECT_EQ(package.IniLines, QStringList({"[A]", "k=v"}));

  // No pictures at all: 4 + 3 + 4 bytes, then the text with any line ends; or no text.
  const QByteArray bare = PackageBytes(1).Flag(1).Flag(1).Flag(1).Count(0);
  ReadError(bare + "a\rb\nc\r\n\r\nd", package);
  EXPECT_EQ(package.IniLines, QStringList({"a", "b", "c", "", "d"}));
  EXPECT_EQ(ReadError(bare, package), "no error");
  EXPECT_TRUE(package.Picture.isNull() && package.ActivePictures.empty() && package.IniLines.isEmpty());

  TMemoryStream newer(PackageBytes(4).Flag(1));
  EXPECT_FALSE(ReadSkinPackage(newer, package));
  EXPECT_EQ(newer.Position(), 4);
}

TEST(SkinPackage, ABadPackageRaisesButKeepsWhatWasRead) {
  SkinPackage package;
  const QByteArray cut = PackageBytes(3).Picture(Eight).Flag(1).Picture(One).Count(2).Image(Depths[3]);
  EXPECT_EQ(ReadError(cut, package), "Stream read error");
  EXPECT_TRUE(MatchesBmpTestImage(package.Picture, Eight));
  EXPECT_TRUE(MatchesBmpTestImage(package.MaskPicture, One));
  EXPECT_EQ(package.ActivePictures.size(), 1u);

  EXPECT_EQ(ReadError(PackageBytes(3).Flag(1).Flag(1).Flag(1).Count(0x7FFFFFFF), package), "Stream read error");
  EXPECT_EQ(ReadError(PackageBytes(3), package), "Stream read error");
  EXPECT_EQ(ReadError(PackageBytes(3).Flag(0).Bytes(QByteArray(60, 'x')), package), "Bitmap image is not valid");
}
