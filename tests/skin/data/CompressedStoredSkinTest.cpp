// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <zlib.h>

#include "platform/Streams.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"
#include "support/BmpBuilder.h"

namespace {

const BmpTestImage Main{9, 5, 8};
const BmpTestImage Mask{9, 5, 1};
const BmpTestImage Active{6, 2, 8, true};
const QByteArray OldPackage = "old package";

// Line ends are LF here; the package always has CR LF.
const QByteArray SkinIni =
    "[VERSION]\nskinname=Test\n\n[PICTURES]\npicture=main.bmp\ninactivepicture=\nmask=mask.bmp\n"
    "activepicturescount=2\n0=first.bmp\n1=second.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]";

void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

void WriteSkinFolder(const QByteArray& ini = SkinIni) {
  QDir().mkpath(QStringLiteral("skin"));
  WriteFile(QStringLiteral("skin/skin.ini"), ini);
  WriteFile(QStringLiteral("skin/main.bmp"), MakeBmp(Main));
  WriteFile(QStringLiteral("skin/mask.bmp"), MakeBmp(Mask));
  WriteFile(QStringLiteral("skin/first.bmp"), MakeBmp(Main));
  WriteFile(QStringLiteral("skin/second.bmp"), MakeBmp(Active));
}

QByteArray CompressedSkinFile(std::int32_t version, std::int32_t count, const QByteArray& data) {
  TMemoryStream file;
  file.WriteInt32(version);
  file.WriteInt32(count);
  file.WriteBuffer(data.constData(), static_cast<std::int32_t>(data.size()));
  return file.Memory();
}

QString ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.Message();
  }
  return {};
}

}  // namespace

TEST(CompressedStoredSkin, PacksASkinFolderByteForByteAtTheHighestLevel) {
  WriteSkinFolder();
  TCompressedStoredSkin skin;
  ASSERT_TRUE(skin.LoadFromIniFile(QStringLiteral("skin/skin.ini")));
  EXPECT_TRUE(skin.CompressedData().startsWith("\x78\xDA"));

  TMemoryStream package;
  skin.DecompressToStream(package);
  TMemoryStream expected;
  expected.WriteInt32(3);
  const QByteArray rest = '\0' + MakeBmp(Main) + '\1' + '\0' + MakeBmp(Mask) + QByteArray("\2\0\0\0", 4) +
                          MakeBmp(Main) + MakeBmp(Active) + QByteArray(SkinIni).replace("\n", "\r\n") + "\r\n";
  expected.WriteBuffer(rest.constData(), static_cast<std::int32_t>(rest.size()));
  EXPECT_EQ(package.Memory(), expected.Memory());
  TMemoryStream recompressed;
  CompressStream(expected, recompressed);
  EXPECT_EQ(skin.CompressedData(), recompressed.Memory());
}

TEST(CompressedStoredSkin, AFolderThatIsNoSkinKeepsTheOldPackageAMissingBitmapLeavesNone) {
  TCompressedStoredSkin skin;
  skin.SetCompressedData(OldPackage);
  WriteSkinFolder(QByteArray(SkinIni).replace("[FORMINFO]", "[FORMINFOS]"));
  EXPECT_FALSE(skin.LoadFromIniFile(QStringLiteral("skin/skin.ini")));
  EXPECT_THROW(skin.LoadFromIniFile(QStringLiteral("skin/absent.ini")), EFOpenError);
  EXPECT_EQ(skin.CompressedData(), OldPackage);

  WriteSkinFolder();
  QFile::remove(QStringLiteral("skin/second.bmp"));
  const QString error = ErrorOf([&] { skin.LoadFromIniFile(QStringLiteral("skin/skin.ini")); });
  EXPECT_TRUE(error.startsWith("Cannot open file \"") && error.contains("skin/second.bmp\". ")) << error.toStdString();
  EXPECT_TRUE(skin.IsEmpty());
}

TEST(CompressedStoredSkin, TakesTheDataOfACompressedSkinFileOrNothing) {
  TCompressedStoredSkin skin;
  WriteFile(QStringLiteral("v3.skn"), CompressedSkinFile(3, 10, "compressed bytes"));
  skin.LoadFromCompressedFile(QStringLiteral("v3.skn"));
  EXPECT_EQ(skin.CompressedData(), "compressed");  // nothing after the count is taken

  const struct {
    QByteArray bytes;
    QString error;
  } emptying[] = {
      {CompressedSkinFile(4, 4, "data"), {}},
      {CompressedSkinFile(3, 0, "data"), {}},  // 0 is no data, not the whole file
      {CompressedSkinFile(3, 5, "data"), "Stream read error"},
      {CompressedSkinFile(3, 0x7FFFFFFF, "data"), "Stream read error"},  // 2 GB claimed: taken piece by piece, never allocated whole
      {CompressedSkinFile(3, -1, "data"), "Stream read error"},
      {QByteArray("\3\0", 2), "Stream read error"},
  };
  for (const auto& [bytes, error] : emptying) {
    WriteFile(QStringLiteral("bad.skn"), bytes);
    skin.SetCompressedData(OldPackage);
    EXPECT_EQ(ErrorOf([&] { skin.LoadFromCompressedFile(QStringLiteral("bad.skn")); }), error);
    EXPECT_TRUE(skin.IsEmpty());
  }
  EXPECT_THROW(skin.LoadFromCompressedFile(QStringLiteral("absent.skn")), EFOpenError);
}

TEST(CompressedStoredSkin, FileNamesLoadOnlyInTheDesignerOutsideReading) {
  WriteSkinFolder();
  WriteFile(QStringLiteral("skin/v3.skn"), CompressedSkinFile(3, 3, "abc"));
  TCompressedStoredSkin skin;
  skin.SetCompressedData(OldPackage);
  // In the running program, and while the form description is read, a name is only a name.
  skin.SetFileName(QStringLiteral("skin/skin.ini"));
  skin.SetDesigning(true);
  skin.SetLoading(true);
  skin.SetCompressedFileName(QStringLiteral("skin/v3.skn"));
  EXPECT_EQ(skin.FileName(), "skin/skin.ini");
  EXPECT_EQ(skin.CompressedFileName(), "skin/v3.skn");
  EXPECT_EQ(skin.CompressedData(), OldPackage);

  skin.Loaded();
  skin.SetFileName(QStringLiteral("skin/skin.ini"));
  EXPECT_EQ(skin.FileName(), "skin.ini");
  EXPECT_TRUE(skin.CompressedData().startsWith("\x78\xDA"));
  skin.SetCompressedFileName(QStringLiteral("skin/v3.skn"));
  EXPECT_EQ(skin.CompressedFileName(), "v3.skn");
  EXPECT_EQ(skin.CompressedData(), "abc");
  // A file that cannot be taken leaves the name naming the package that is still there.
  EXPECT_THROW(skin.SetFileName(QStringLiteral("skin/absent.ini")), EFOpenError);
  EXPECT_EQ(skin.FileName(), "skin.ini");
  EXPECT_EQ(skin.CompressedData(), "abc");
}

TEST(CompressedStoredSkin, TheCompressedDataPropertyCarriesThePackageWhole) {
  TCompressedStoredSkin skin;
  TMemoryStream property(QByteArray("\x78\xDA property"));
  property.SetPosition(5);  // the whole property counts, wherever its stream stands
  skin.ReadData(property);
  skin.CompressedStream().SetPosition(7);
  TMemoryStream written;
  skin.WriteData(written);
  EXPECT_EQ(written.Memory(), "\x78\xDA property");

  TMemoryStream empty;
  skin.ReadData(empty);
  EXPECT_TRUE(skin.IsEmpty());
  skin.WriteData(empty);
  EXPECT_EQ(empty.Size(), 0);
}

namespace {

// A zlib stream of `mebibytes` MiB of zeros without its end, made of one flushed megabyte's
// blocks repeated: a few hundred kilobytes that stand for any amount.
QByteArray ZeroBomb(int mebibytes) {
  z_stream zrec{};
  deflateInit(&zrec, Z_BEST_COMPRESSION);
  QByteArray zeros(1 << 20, '\0'), out(1 << 20, '\0'), bomb;
  const auto flushMegabyte = [&] {
    zrec.next_in = reinterpret_cast<Bytef*>(zeros.data());
    zrec.avail_in = uInt(zeros.size());
    zrec.next_out = reinterpret_cast<Bytef*>(out.data());
    zrec.avail_out = uInt(out.size());
    deflate(&zrec, Z_FULL_FLUSH);  // forgets the history, so the next megabyte's blocks stand alone
    return out.left(out.size() - qsizetype(zrec.avail_out));
  };
  bomb = flushMegabyte();  // with the stream header
  const QByteArray megabyte = flushMegabyte();
  deflateEnd(&zrec);
  for (int i = 1; i < mebibytes; ++i) bomb += megabyte;
  return bomb;
}

}  // namespace

TEST(CompressedStoredSkin, APackageThatInflatesBeyondAnySkinIsRefused) {
  const int megabytes = int(MaxSkinPackageBytes >> 20);
  TCompressedStoredSkin skin;
  skin.SetCompressedData(ZeroBomb(megabytes + 1));
  ASSERT_LT(skin.CompressedData().size(), 1 << 20);
  TMemoryStream package;
  try {
    skin.DecompressToStream(package);
    ADD_FAILURE() << "the package was inflated whole";
  } catch (const EDecompressionError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("The data inflates to more than %1 bytes").arg(MaxSkinPackageBytes));
  }
  EXPECT_LE(package.Size(), MaxSkinPackageBytes);
}
