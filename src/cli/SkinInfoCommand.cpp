// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli skin-info: loads a skin exactly as the main window's skin data does and prints
// what it holds; optionally writes the skin back out as a folder (skin.ini and its bitmaps).
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

#include "cli/CliCommand.h"
#include "cli/SkinSource.h"
#include "platform/Streams.h"
#include "platform/IniFile.h"
#include "skin/data/AnsiTextLines.h"
#include "skin/data/BmpImage.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinEntryKinds.h"
#include "skin/data/SkinPackage.h"

namespace {

// The package as stored: the BMP file images byte for byte (empty = no picture) and the INI lines.
struct StoredPackage {
  std::int32_t version = 0;
  SkinPackageImages images;
};

QJsonValue PictureJson(const TBitmap& bitmap, const QByteArray& stored) {
  if (bitmap.Empty()) return QJsonValue();
  return QJsonObject{{QStringLiteral("width"), bitmap.Width()},
                     {QStringLiteral("height"), bitmap.Height()},
                     {QStringLiteral("bits"), BmpBitCount(stored)}};
}

// "main.bmp: 277 x 116, 8 bits per pixel", or "none".
QString PictureText(const QString& name, const TBitmap& bitmap, const QByteArray& stored) {
  if (bitmap.Empty()) return QStringLiteral("none");
  return QStringLiteral("%1: %2 x %3, %4 bits per pixel")
      .arg(name.isEmpty() ? QStringLiteral("(unnamed)") : name)
      .arg(bitmap.Width())
      .arg(bitmap.Height())
      .arg(BmpBitCount(stored));
}

bool IsNumberKind(TSkinValueKind kind) {
  return kind == TSkinValueKind::Integer || kind == TSkinValueKind::Color || kind == TSkinValueKind::Boolean;
}

template <class C>
QJsonObject KeysJson(const C& object, std::span<const TSkinKey<C>> keys) {
  QJsonObject json;
  for (const TSkinKey<C>& key : keys) {
    const QString text = SkinKeyText(object, key);
    json.insert(QLatin1String(key.name), IsNumberKind(key.kind) ? QJsonValue(text.toInt()) : QJsonValue(text));
  }
  return json;
}

template <class C>
QStringList KeysText(const C& object, std::span<const TSkinKey<C>> keys) {
  QStringList lines;
  for (const TSkinKey<C>& key : keys) lines << QStringLiteral("  %1=%2").arg(QLatin1String(key.name), SkinKeyText(object, key));
  return lines;
}

struct Entry {
  QString name;
  QString keyword;
  QString className;
};

template <class Root>
std::vector<Entry> Entries(const std::vector<std::unique_ptr<Root>>& list, QString (*keyword)(const Root&)) {
  std::vector<Entry> entries;
  for (const auto& e : list) entries.push_back({e->IDName, keyword(*e), QLatin1String(e->ClassName())});
  return entries;
}

QJsonArray EntriesJson(const std::vector<Entry>& entries) {
  QJsonArray json;
  for (const Entry& e : entries)
    json.append(QJsonObject{{QStringLiteral("name"), e.name},
                            {QStringLiteral("keyword"), e.keyword},
                            {QStringLiteral("class"), e.className}});
  return json;
}

// What was loaded, with the stored package it came from.
struct SkinInfo {
  const TSkinData& skin;
  const StoredPackage& package;
  QByteArray compressed;
};

QByteArray InfoJson(const SkinInfo& info) {
  const TSkinData& skin = info.skin;
  QJsonArray active;
  for (std::size_t i = 0; i < skin.ActivePictures.size(); ++i)
    active.append(PictureJson(*skin.ActivePictures[i], info.package.images.ActivePictures.at(i)));
  const QJsonObject root{
      {QStringLiteral("empty"), skin.Empty()},
      {QStringLiteral("version"), info.package.version},
      {QStringLiteral("picture"), PictureJson(skin.Picture, info.package.images.Picture)},
      {QStringLiteral("inactivepicture"), PictureJson(skin.InActivePicture, info.package.images.InActivePicture)},
      {QStringLiteral("mask"), PictureJson(skin.MaskPicture, info.package.images.MaskPicture)},
      {QStringLiteral("activepictures"), active},
      {QStringLiteral("forminfo"), KeysJson(skin, TSkinData::FormInfoKeys())},
      {QStringLiteral("objects"), EntriesJson(Entries(skin.SkinObjects, &SkinObjectKeyword))},
      {QStringLiteral("controls"), EntriesJson(Entries(skin.SkinControls, &SkinControlKeyword))},
      {QStringLiteral("colors"), KeysJson(skin.SkinColors, TSkinColors::Keys())},
      {QStringLiteral("compressed_size"), qint64(info.compressed.size())},
      {QStringLiteral("compressed_head"), QString::fromLatin1(info.compressed.left(2).toHex())},
  };
  return QJsonDocument(root).toJson(QJsonDocument::Compact) + '\n';
}

void PrintEntries(const QString& title, const std::vector<Entry>& entries) {
  PrintLine(QStringLiteral("%1: %2").arg(title).arg(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i)
    PrintLine(QStringLiteral("  %1 %2:%3 (%4)").arg(i).arg(entries[i].name, entries[i].keyword, entries[i].className));
}

void PrintInfo(const SkinInfo& info) {
  const TSkinData& skin = info.skin;
  PrintLine(QStringLiteral("package version %1, %2 bytes compressed").arg(info.package.version).arg(info.compressed.size()));
  if (skin.Empty()) {
    PrintLine(QStringLiteral("no skin loaded: the package is newer than this program reads"));
    return;
  }
  PrintLine(QStringLiteral("skin \"%1\" by \"%2\"").arg(skin.SkinName, skin.SkinAuthor));
  PrintLine(QStringLiteral("picture ") + PictureText(skin.PictureName, skin.Picture, info.package.images.Picture));
  PrintLine(QStringLiteral("inactive picture ") +
            PictureText(skin.InActivePictureName, skin.InActivePicture, info.package.images.InActivePicture));
  PrintLine(QStringLiteral("mask ") + PictureText(skin.MaskPictureName, skin.MaskPicture, info.package.images.MaskPicture));
  PrintLine(QStringLiteral("active pictures: %1").arg(skin.ActivePictures.size()));
  for (std::size_t i = 0; i < skin.ActivePictures.size(); ++i)
    PrintLine(QStringLiteral("  %1 ").arg(i) + PictureText(skin.ActivePictureNames.value(qsizetype(i)),
                                                            *skin.ActivePictures[i], info.package.images.ActivePictures.at(i)));
  PrintLine(QStringLiteral("forminfo:"));
  for (const QString& line : KeysText(skin, TSkinData::FormInfoKeys())) PrintLine(line);
  PrintEntries(QStringLiteral("objects"), Entries(skin.SkinObjects, &SkinObjectKeyword));
  PrintEntries(QStringLiteral("controls"), Entries(skin.SkinControls, &SkinControlKeyword));
  PrintLine(QStringLiteral("colors:"));
  for (const QString& line : KeysText(skin.SkinColors, TSkinColors::Keys())) PrintLine(line);
}

// Writes the pictures present as picture.bmp, inactivepicture.bmp, mask.bmp, active0.bmp, ...
// (byte for byte as stored) and skin.ini: the stored INI with its PICTURES section naming those
// files and every skin object and control written back through SaveToIni. Returns the number of
// files written.
qsizetype Extract(const SkinInfo& info, const QString& folder) {
  const TSkinData& skin = info.skin;
  if (skin.Empty()) throw CliError(QStringLiteral("no skin loaded; nothing to extract"));
  const QString pictures = QStringLiteral("PICTURES");
  TMemIniFile ini(DecodeAnsiLines(info.package.images.IniLines));
  std::vector<std::pair<QString, QByteArray>> files;
  const auto add = [&](const QString& key, const QString& file, const QByteArray& image) {
    ini.WriteString(pictures, key, image.isEmpty() ? QString() : file);
    if (!image.isEmpty()) files.emplace_back(file, image);
  };
  add(QStringLiteral("picture"), QStringLiteral("picture.bmp"), info.package.images.Picture);
  add(QStringLiteral("inactivepicture"), QStringLiteral("inactivepicture.bmp"), info.package.images.InActivePicture);
  add(QStringLiteral("mask"), QStringLiteral("mask.bmp"), info.package.images.MaskPicture);
  QStringList activeNames;
  for (std::size_t i = 0; i < info.package.images.ActivePictures.size(); ++i) {
    activeNames << QStringLiteral("active%1.bmp").arg(i);
    files.emplace_back(activeNames.back(), info.package.images.ActivePictures[i]);
  }
  SkinIni::WriteList(ini, pictures, QStringLiteral("activepictures"), activeNames);
  for (const auto& object : skin.SkinObjects) object->SaveToIni(ini);
  for (const auto& control : skin.SkinControls) control->SaveToIni(ini);

  if (!QDir().mkpath(folder)) throw CliError(QStringLiteral("cannot create the folder %1").arg(folder));
  for (const auto& [name, bytes] : files) WriteOutput(QDir(folder).filePath(name), bytes);
  ini.SaveToFile(QDir(folder).filePath(QStringLiteral("skin.ini")));
  return qsizetype(files.size()) + 1;
}

int RunSkinInfo(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Loads a skin as the main window does and prints what it holds. Without a source option the "
      "skin built into the program is used."));
  AddSkinSourceOptions(parser);
  parser.addOption({QStringLiteral("json"), QStringLiteral("Print one JSON object.")});
  parser.addOption({QStringLiteral("extract"),
                    QStringLiteral("Write the skin as a folder: skin.ini and its bitmaps."), QStringLiteral("dir")});
  if (!ParseCommandLine(parser, arguments, 0)) return 0;

  TCompressedStoredSkin stored;
  LoadSkinSource(parser, stored);
  TSkinData skin;
  skin.SetCompressedStoredSkin(&stored);

  TMemoryStream package;
  stored.DecompressToStream(package);
  package.SetPosition(0);
  StoredPackage raw;
  ReadSkinPackageImages(package, raw.version, raw.images);
  const SkinInfo info{skin, raw, stored.CompressedData()};

  const bool json = parser.isSet(QStringLiteral("json"));
  if (json)
    WriteOutput(QStringLiteral("-"), InfoJson(info));
  else
    PrintInfo(info);
  if (parser.isSet(QStringLiteral("extract"))) {
    const QString folder = parser.value(QStringLiteral("extract"));
    const qsizetype written = Extract(info, folder);
    // Standard output stays one JSON object when that was asked for.
    if (!json) PrintLine(QStringLiteral("extracted %1 files to %2").arg(written).arg(folder));
  }
  return 0;
}

const CliRegistration registration{{"skin-info", "Print what a skin holds, or extract it as a folder", RunSkinInfo}};

}  // namespace
