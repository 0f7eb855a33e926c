// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/Streams.h"
#include "skin/data/ZlibStreams.h"
#include "support/CliRunner.h"
#include "support/FileBytes.h"

namespace {

QJsonObject SkinJson(const QStringList& options) {
  const CliRun run = RunCli(QStringList{"skin-info", "--json"} + options);
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
  return document.object();
}

QJsonObject Picture(int width, int height, int bits) {
  return QJsonObject{{"width", width}, {"height", height}, {"bits", bits}};
}

QString SkinFolder() { return QStringLiteral(LUMETRA_SOURCE_DIR "/resources/skin/"); }

}  // namespace

TEST(CliSkinInfo, DescribesTheStoredSkin) {
  const QJsonObject skin = SkinJson({});
  EXPECT_FALSE(skin["empty"].toBool());
  EXPECT_EQ(skin["version"].toInt(), 3);
  EXPECT_EQ(skin["compressed_head"].toString(), "78da");
  EXPECT_EQ(skin["picture"].toObject(), Picture(277, 116, 8));
  EXPECT_TRUE(skin["inactivepicture"].isNull());
  EXPECT_EQ(skin["mask"].toObject(), Picture(277, 116, 1));
  EXPECT_EQ(skin["activepictures"].toArray().size(), 6);
  const QJsonObject formInfo = skin["forminfo"].toObject();
  EXPECT_EQ(formInfo["clientrect"].toString(), "13,46,265,107");
  EXPECT_EQ(formInfo["lefttoppoint"].toString(), "111,46");
  EXPECT_EQ(formInfo["borderwidth"].toInt(), 4);
  EXPECT_EQ(formInfo["topstretch"].toInt(), 0);
  EXPECT_EQ(formInfo["inactiveeffect"].toString(), "iebrightness");
  const QJsonArray objects = skin["objects"].toArray();
  ASSERT_EQ(objects.size(), 12);
  EXPECT_EQ(objects[2].toObject(),
            (QJsonObject{{"name", "closebutton"}, {"keyword", "stdbutton"}, {"class", "TDataSkinStdButton"}}));
  const QJsonArray controls = skin["controls"].toArray();
  EXPECT_EQ(controls.size(), 51);
  for (const QJsonValue& control : controls) EXPECT_NE(control.toObject()["name"].toString(), "header");
  EXPECT_EQ(skin["colors"].toObject()["cbtnface"].toInt(), int(0xFF00000F));
}

TEST(CliSkinInfo, ExtractsAFolderThatPacksBackToTheSameSkin) {
  const QJsonObject stored = SkinJson({"--extract", "out/skin"});
  const QStringList written = QDir("out/skin").entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(written, (QStringList{"active0.bmp", "active1.bmp", "active2.bmp", "active3.bmp", "active4.bmp",
                                  "active5.bmp", "mask.bmp", "picture.bmp", "skin.ini"}));
  // The pictures byte for byte as stored, under their fixed names.
  const std::pair<const char*, const char*> sources[] = {
      {"picture.bmp", "main.bmp"},     {"mask.bmp", "mask.bmp"},         {"active0.bmp", "active.BMP"},
      {"active1.bmp", "pw.bmp"},       {"active2.bmp", "menuitems.bmp"}, {"active3.bmp", "hw.bmp"},
      {"active4.bmp", "controls.bmp"}, {"active5.bmp", "grids.bmp"}};
  for (const auto& [extracted, source] : sources)
    EXPECT_EQ(ReadBytes(QStringLiteral("out/skin/") + extracted), ReadBytes(SkinFolder() + source)) << extracted;
  // skin.ini names those files and holds every entry in its written form.
  const QByteArray ini = ReadBytes("out/skin/skin.ini");
  for (const char* entry : {"picture=picture.bmp\r\n", "inactivepicture=\r\n", "activepicturescount=6\r\n",
                            "5=active5.bmp\r\n", "[button]\r\n", "disabledskinrect=33,62,57,83\r\n"})
    EXPECT_TRUE(ini.contains(entry)) << entry << ini.toStdString();
  // Loaded again it holds the same skin (only the packed size differs: the INI text is new).
  QJsonObject reloaded = SkinJson({"--ini", "out/skin/skin.ini"});
  QJsonObject original = stored;
  reloaded.remove("compressed_size");
  original.remove("compressed_size");
  EXPECT_EQ(reloaded, original);
}

TEST(CliSkinInfo, ReadsPackagesAndCompressedSkinFiles) {
  // An uncompressed package: no pictures, one caption.
  TMemoryStream package;
  package.WriteInt32(3);
  package.WriteBuffer("\x01\x01\x01\0\0\0\0", 7);
  const QByteArray ini = "[SKINOBJECTS]\r\ncount=1\r\n0=caption:caption\r\n";
  package.WriteBuffer(ini.constData(), std::int32_t(ini.size()));
  package.SaveToFile("skin.pkg");
  const QJsonObject fromPackage = SkinJson({"--package", "skin.pkg"});
  EXPECT_TRUE(fromPackage["picture"].isNull());
  EXPECT_EQ(fromPackage["objects"].toArray().size(), 1);
  EXPECT_EQ(fromPackage["forminfo"].toObject()["bgpictureindex"].toInt(), -1);

  // The same package in a compressed skin file: version, byte count, zlib data.
  TMemoryStream compressed;
  CompressStream(package, compressed);
  TMemoryStream file;
  file.WriteInt32(3);
  file.WriteInt32(std::int32_t(compressed.Size()));
  file.WriteBuffer(compressed.Memory().constData(), std::int32_t(compressed.Size()));
  file.SaveToFile("skin.skn");
  QJsonObject fromFile = SkinJson({"--compressed", "skin.skn"});
  EXPECT_EQ(fromFile, fromPackage);

  // A newer compressed skin file holds nothing to load.
  TMemoryStream newer;
  newer.WriteInt32(4);
  newer.WriteInt32(0);
  newer.SaveToFile("newer.skn");
  const CliRun run = RunCli({"skin-info", "--compressed", "newer.skn"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains("holds no skin package")) << run.err.toStdString();
}

TEST(CliSkinInfo, PrintsAReadableSummary) {
  const CliRun run = RunCli({"skin-info", "--extract", "folder"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  for (const char* line : {"package version 3", "picture main.bmp: 277 x 116, 8 bits per pixel",
                           "inactive picture none", "  borderwidth=4", "  2 closebutton:stdbutton (TDataSkinStdButton)",
                           "controls: 51", "extracted 9 files to folder"})
    EXPECT_TRUE(run.out.contains(line)) << line << "\n" << run.out.toStdString();
}

TEST(CliSkinInfo, RefusesBadInputAndNeverWritesOutsideTheTarget) {
  EXPECT_EQ(RunCli({"skin-info", "--ini", "a.ini", "--package", "b.pkg"}).exitCode, 1);
  EXPECT_EQ(RunCli({"skin-info", "--package", "missing.pkg"}).exitCode, 1);

  // A skin whose mask name climbs out of its folder still extracts inside the target folder.
  QDir().mkpath("skin");
  QFile::copy(SkinFolder() + "mask.bmp", "escaped.bmp");
  WriteBytes("skin/skin.ini",
             "[VERSION]\r\n[PICTURES]\r\nmask=../escaped.bmp\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n");
  const CliRun run = RunCli({"skin-info", "--ini", "skin/skin.ini", "--extract", "target/out"});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(QDir("target/out").entryList(QDir::Files, QDir::Name), (QStringList{"mask.bmp", "skin.ini"}));
  EXPECT_EQ(ReadBytes("target/out/mask.bmp"), ReadBytes("escaped.bmp"));
}
