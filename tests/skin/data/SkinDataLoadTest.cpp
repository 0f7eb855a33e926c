// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <memory>
#include <vector>

#include "platform/Convert.h"
#include "platform/Form.h"
#include "platform/Streams.h"
#include "skin/data/BmpImage.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinCustomControls.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"
#include "support/BmpBuilder.h"

namespace {

// ---- building stored skins in memory ----

std::vector<QByteArray> Lines(const QStringList& lines) {
  std::vector<QByteArray> bytes;
  for (const QString& line : lines) bytes.push_back(line.toLatin1());
  return bytes;
}

QByteArray Package(const QStringList& ini, bool withPictures = true) {
  SkinPackageImages images;
  if (withPictures) {
    images.Picture = MakeBmp({20, 10, 8});
    images.MaskPicture = MakeBmp({20, 10, 1});
    images.ActivePictures = {MakeBmp({5, 4, 8}), MakeBmp({3, 2, 24})};
  }
  images.IniLines = Lines(ini);
  TMemoryStream stream;
  WriteSkinPackage(stream, images);
  return stream.Memory();
}

// Package bytes with any version, written field by field.
QByteArray RawPackage(std::int32_t version, const QByteArray& between, const QStringList& ini) {
  TMemoryStream stream;
  stream.WriteInt32(version);
  stream.WriteBuffer(between.constData(), std::int32_t(between.size()));
  for (const QByteArray& line : Lines(ini)) {
    stream.WriteBuffer(line.constData(), std::int32_t(line.size()));
    stream.WriteBuffer("\r\n", 2);
  }
  return stream.Memory();
}

QByteArray Compressed(const QByteArray& package) {
  TMemoryStream source, destination;
  source.Assign(package);
  CompressStream(source, destination);
  return destination.Memory();
}

std::unique_ptr<TCompressedStoredSkin> StoredSkin(const QByteArray& package) {
  auto stored = std::make_unique<TCompressedStoredSkin>();
  if (!package.isEmpty()) stored->SetCompressedData(Compressed(package));
  return stored;
}

const QStringList kSkinIni = {
    "[VERSION]", "skinname=Test", "skinauthor=Someone", "ver=1",
    "[PICTURES]", "picture=main.bmp", "mask=mask.bmp", "activepicturescount=2", "0=active.BMP", "1=pw.bmp",
    "[FORMINFO]", "lefttoppoint=111,46", "righttoppoint=128,46", "leftbottompoint=20,93",
    "rightbottompoint=261,104", "clientrect=13,46,265,107", "maskrectarea=9,17,273,112",
    "hittestlefttoppoint=9,24", "hittestrighttoppoint=260,14", "hittestleftbottompoint=19,93",
    "hittestrightbottompoint=259,101", "borderwidth=4", "inactiveeffect=iebrightness",
    "[POPUPWINDOW]", "windowpictureindex=1", "itemsrect=2,2,86,78",
    "[HINTWINDOW]", "windowpictureindex=3", "clientrect=13,1,40,21",
    "[SKINOBJECTS]", "count=5", "0=menuitem:menuitem", "1=caption:caption", "2=closebutton:stdbutton",
    "3=closebutton", "4=odd:nothing",
    "[caption]", "skinrect=46,16,136,35", "fontheight=16", "fontstyle=fsbold",
    "[closebutton]", "command=cmclose", "hint=Close",
    "[SKINCONTROLS]", "count=4", "0=button:button", "1=hscrollbar:scrollbar", "2=header:header",
    "3=vscrollbar:scrollbar",
    "[button]", "pictureindex=4", "skinrect=0,0,24,21", "morphing=1", "morphkind=mkgradient",
};

// ---- a form that records the skin messages it receives ----

struct Delivery {
  QString form;
  unsigned message;
  WPARAM wParam;
  LPARAM lParam;
  bool empty;
  bool changing;
  std::size_t objects;
  friend bool operator==(const Delivery&, const Delivery&) = default;
};

class RecordingForm : public TForm {
 public:
  RecordingForm(QString name, std::vector<Delivery>& log) : name_(std::move(name)), log_(log) {}
  void WndProc(TMessage& message) override {
    if (message.Msg >= SKINMSG_BEFORE_CHANGE && message.Msg <= SKINMSG_RESSTR_CHANGE) {
      const auto* data = reinterpret_cast<const TSkinData*>(message.WParam);
      log_.push_back({name_, message.Msg, message.WParam, message.LParam, data->Empty(), data->SkinChanging(),
                      data->SkinObjects.size()});
    }
    TForm::WndProc(message);
  }

 private:
  QString name_;
  std::vector<Delivery>& log_;
};

std::vector<unsigned> Messages(const std::vector<Delivery>& log) {
  std::vector<unsigned> messages;
  for (const Delivery& d : log) messages.push_back(d.message);
  return messages;
}

template <class Error>
QString ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.Message();
  }
  return QStringLiteral("<no error>");
}

class SkinDataLoad : public ::testing::Test {
 protected:
  std::vector<Delivery> log;
  RecordingForm other{"other", log};  // created first: the owner is still served first
  RecordingForm owner{"owner", log};
  TSkinData data{&owner};
};

}  // namespace

TEST_F(SkinDataLoad, AnnouncesTheLoadToTheOwnerFirstThenEveryForm) {
  const auto stored = StoredSkin(Package(kSkinIni));
  data.SetCompressedStoredSkin(stored.get());
  const auto w = reinterpret_cast<WPARAM>(&data);
  const std::vector<Delivery> expected = {
      {"owner", SKINMSG_BEFORE_CHANGE, w, 1000, true, true, 0}, {"other", SKINMSG_BEFORE_CHANGE, w, 1000, true, true, 0},
      {"owner", SKINMSG_CHANGE, w, 1000, false, true, 3},       {"other", SKINMSG_CHANGE, w, 1000, false, true, 3},
      {"owner", SKINMSG_AFTER_CHANGE, w, 1000, false, false, 3}, {"other", SKINMSG_AFTER_CHANGE, w, 1000, false, false, 3},
  };
  EXPECT_EQ(log, expected);

  // A second assignment reloads from scratch; receivers see the old skin before it is cleared.
  log.clear();
  data.SetCompressedStoredSkin(stored.get());
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(log[0].objects, 3u);
  EXPECT_EQ(log[2].objects, 3u);
  EXPECT_EQ(data.SkinObjects.size(), 3u);
}

TEST_F(SkinDataLoad, ReadsPicturesSectionsAndEntries) {
  const auto stored = StoredSkin(Package(kSkinIni));
  data.SetCompressedStoredSkin(stored.get());
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.Picture.Width(), 20);
  EXPECT_TRUE(data.InActivePicture.Empty());
  EXPECT_EQ(data.MaskPicture.Height(), 10);
  ASSERT_EQ(data.ActivePictures.size(), 2u);
  EXPECT_EQ(data.ActivePictures[1]->Width(), 3);
  EXPECT_EQ(data.ActivePictureNames, (QStringList{"active.BMP", "pw.bmp"}));
  EXPECT_EQ(data.SkinName, "Test");
  EXPECT_EQ(data.SkinAuthor, "Someone");
  EXPECT_EQ(data.MaskPictureName, "mask.bmp");
  EXPECT_EQ(data.BorderWidth, 4);
  EXPECT_EQ(data.BGPictureIndex, -1);
  EXPECT_EQ(data.InActiveEffect, TSkinEffect::ieBrightness);
  EXPECT_EQ(data.PopupWindow.WindowPictureIndex, 1);
  EXPECT_EQ(data.PopupWindow.ItemsRect, Rect(2, 2, 86, 78));
  EXPECT_EQ(data.HintWindow.FontName, "Arial");
  EXPECT_EQ(data.SkinColors.CBtnFace, clBtnFace);

  // An entry without ":" and one with an unknown keyword create nothing.
  ASSERT_EQ(data.SkinObjects.size(), 3u);
  EXPECT_STREQ(data.SkinObjects[2]->ClassName(), "TDataSkinStdButton");
  EXPECT_EQ(static_cast<TDataSkinStdButton&>(*data.SkinObjects[2]).Command, SkinCommand::cmClose);
  EXPECT_EQ(data.SkinObjects[2]->Hint, "Close");
  const auto& caption = static_cast<TDataSkinCaption&>(*data.SkinObjects[data.GetObjectIndex("caption")]);
  EXPECT_EQ(caption.FontHeight, 16);
  EXPECT_EQ(caption.FontStyle, TFontStyles(TFontStyle::fsBold));
  EXPECT_EQ(data.GetObjectIndex("Caption"), -1);
  EXPECT_EQ(data.GetObjectIndex("odd"), -1);

  ASSERT_EQ(data.SkinControls.size(), 3u);
  EXPECT_EQ(data.GetControlIndex("header"), -1);
  EXPECT_EQ(data.GetControlIndex("vscrollbar"), 2);
  const auto& button = static_cast<TDataSkinButtonControl&>(*data.SkinControls[data.GetControlIndex("button")]);
  EXPECT_EQ(button.PictureIndex, 4);
  EXPECT_TRUE(button.Morphing);
  EXPECT_EQ(button.MorphKind, TMorphKind::mkGradient);
  EXPECT_EQ(button.FontName, "Arial");
}

TEST_F(SkinDataLoad, AnEmptyStoredSkinChangesNothing) {
  const auto stored = StoredSkin(QByteArray());
  data.SetCompressedStoredSkin(stored.get());
  EXPECT_EQ(data.CompressedStoredSkin(), stored.get());
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(data.Empty());
  EXPECT_FALSE(data.SkinChanging());
}

TEST_F(SkinDataLoad, ANewerPackageLeavesTheLoadStuckAfterClearing) {
  const auto good = StoredSkin(Package(kSkinIni));
  data.SetCompressedStoredSkin(good.get());
  log.clear();
  const auto newer = StoredSkin(RawPackage(4, QByteArray("\x01\x01\x01\0\0\0\0", 7), kSkinIni));
  data.SetCompressedStoredSkin(newer.get());
  EXPECT_EQ(Messages(log), (std::vector<unsigned>{SKINMSG_BEFORE_CHANGE, SKINMSG_BEFORE_CHANGE}));
  EXPECT_TRUE(data.Empty());
  EXPECT_TRUE(data.SkinChanging());
  EXPECT_TRUE(data.SkinObjects.empty());
  EXPECT_TRUE(data.Picture.Empty());
}

TEST_F(SkinDataLoad, AVersionTwoPackageDropsItsTwoExtraPictures) {
  QByteArray between("\x00", 1);
  between += MakeBmp({7, 3, 8});
  between += QByteArray("\x01\x01", 2);                       // no inactive picture, no mask
  between += QByteArray("\x00", 1) + MakeBmp({2, 2, 24});     // dropped
  between += QByteArray("\x01", 1);                           // dropped (absent)
  between += QByteArray("\x01\0\0\0", 4) + MakeBmp({9, 9, 4});  // one active picture
  const auto stored = StoredSkin(RawPackage(2, between, {"[SKINOBJECTS]", "count=1", "0=caption:caption"}));
  data.SetCompressedStoredSkin(stored.get());
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.Picture.Width(), 7);
  ASSERT_EQ(data.ActivePictures.size(), 1u);
  EXPECT_EQ(data.ActivePictures[0]->Width(), 9);
  EXPECT_EQ(data.SkinObjects.size(), 1u);
}

TEST_F(SkinDataLoad, ErrorsPropagateAndKeepWhatWasRead) {
  // A picture that is not a BMP image.
  const auto badPicture = StoredSkin(RawPackage(3, QByteArray(1, '\0') + "XX" + QByteArray(80, '\0'), {}));
  EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { data.SetCompressedStoredSkin(badPicture.get()); }),
            "Bitmap image is not valid");
  EXPECT_EQ(Messages(log), (std::vector<unsigned>{SKINMSG_BEFORE_CHANGE, SKINMSG_BEFORE_CHANGE}));
  EXPECT_TRUE(data.Empty());
  EXPECT_TRUE(data.SkinChanging());

  // A rectangle without digits in the third entry: the first two stay, partly read skin included.
  log.clear();
  QStringList ini = kSkinIni;
  ini << "[menuitem]" << "textrect=1,2,3,4" << "[closebutton]" << "skinrect=1,2,,4";
  const auto badRect = StoredSkin(Package(ini));
  EXPECT_EQ(ErrorOf<EConvertError>([&] { data.SetCompressedStoredSkin(badRect.get()); }),
            "'' is not a valid integer value");
  EXPECT_EQ(Messages(log), (std::vector<unsigned>{SKINMSG_BEFORE_CHANGE, SKINMSG_BEFORE_CHANGE}));
  EXPECT_TRUE(data.Empty());
  EXPECT_TRUE(data.SkinChanging());
  EXPECT_EQ(data.SkinObjects.size(), 3u);
  EXPECT_TRUE(data.SkinControls.empty());
  EXPECT_EQ(data.Picture.Width(), 20);
  EXPECT_EQ(data.BorderWidth, 4);

  // A truncated package and corrupt compressed data.
  const auto truncated = StoredSkin(QByteArray("\x03\0\0\0\x00BM", 7));
  EXPECT_EQ(ErrorOf<EStreamError>([&] { data.SetCompressedStoredSkin(truncated.get()); }), "Stream read error");
  TCompressedStoredSkin corrupt;
  corrupt.SetCompressedData(QByteArray("\x78\xda garbage", 10));
  EXPECT_THROW(data.SetCompressedStoredSkin(&corrupt), EDecompressionError);
  EXPECT_TRUE(data.SkinChanging());
}

// The console reads its package on a thread while it builds its controls; the load that takes
// it must give exactly what a load reading the package itself gives, failures included.
TEST_F(SkinDataLoad, APackageReadAheadLoadsAsOneReadAtTheLoad) {
  const auto plain = StoredSkin(Package(kSkinIni));
  data.SetCompressedStoredSkin(plain.get());
  const auto ahead = StoredSkin(Package(kSkinIni));
  ahead->ReadPackageAhead();
  TSkinData fromAhead{&owner};
  fromAhead.SetCompressedStoredSkin(ahead.get());
  EXPECT_FALSE(fromAhead.Empty());
  EXPECT_EQ(fromAhead.Picture.Image(), data.Picture.Image());
  EXPECT_EQ(fromAhead.MaskPicture.Image(), data.MaskPicture.Image());
  ASSERT_EQ(fromAhead.ActivePictures.size(), data.ActivePictures.size());
  for (std::size_t i = 0; i < data.ActivePictures.size(); ++i)
    EXPECT_EQ(fromAhead.ActivePictures[i]->Image(), data.ActivePictures[i]->Image());
  EXPECT_EQ(fromAhead.SkinObjects.size(), data.SkinObjects.size());
  EXPECT_EQ(fromAhead.BorderWidth, data.BorderWidth);

  // A package replaced after its read ahead began is read anew.
  QStringList wider = kSkinIni;
  wider.replaceInStrings(QStringLiteral("borderwidth=4"), QStringLiteral("borderwidth=7"));
  ahead->ReadPackageAhead();
  ahead->SetCompressedData(Compressed(Package(wider)));
  fromAhead.SetCompressedStoredSkin(nullptr);
  fromAhead.SetCompressedStoredSkin(ahead.get());
  EXPECT_EQ(fromAhead.BorderWidth, 7);

  // Failures met ahead are raised by the load, the pictures read before them kept.
  const auto badPicture = StoredSkin(RawPackage(3, QByteArray(1, '\0') + "XX" + QByteArray(80, '\0'), {}));
  badPicture->ReadPackageAhead();
  EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { data.SetCompressedStoredSkin(badPicture.get()); }),
            "Bitmap image is not valid");
  EXPECT_TRUE(data.SkinChanging());
  TCompressedStoredSkin corrupt;
  corrupt.SetCompressedData(QByteArray("\x78\xda garbage", 10));
  corrupt.ReadPackageAhead();
  EXPECT_THROW(data.SetCompressedStoredSkin(&corrupt), EDecompressionError);
}

TEST_F(SkinDataLoad, DamagedCountsVisitOnlyTheEntriesPresent) {
  // Counts of 2^31 - 1 would take minutes to walk key by key and gigabytes as picture names.
  const auto stored = StoredSkin(Package({"[PICTURES]", "activepicturescount=2147483647", "0=a.bmp", "[SKINOBJECTS]",
                                          "count=2147483647", "1000000=far:caption", "0=near:caption",
                                          "[SKINCONTROLS]", "count=2147483647"}));
  data.SetCompressedStoredSkin(stored.get());
  EXPECT_FALSE(data.Empty());
  ASSERT_EQ(data.SkinObjects.size(), 2u);
  EXPECT_EQ(data.SkinObjects[0]->IDName, "near");  // in the order of their numbers
  EXPECT_EQ(data.SkinObjects[1]->IDName, "far");
  EXPECT_TRUE(data.SkinControls.empty());
  EXPECT_EQ(data.ActivePictureNames, (QStringList{"a.bmp", ""}));
}

namespace {

// The FORMINFO values after a load of the given FORMINFO lines, with or without a mask name.
struct FormInfo {
  TPoint corners[4];
  TPoint hitTests[4];
  TRect maskRectArea;
};

FormInfo LoadFormInfo(const QStringList& formInfo, bool withMask) {
  QStringList ini{"[PICTURES]", withMask ? "mask=mask.bmp" : "picture=main.bmp", "[FORMINFO]"};
  ini += formInfo;
  TSkinData data;
  const auto stored = StoredSkin(Package(ini, false));
  data.SetCompressedStoredSkin(stored.get());
  return {{data.LeftTopPoint, data.RightTopPoint, data.LeftBottomPoint, data.RightBottomPoint},
          {data.HitTestLeftTopPoint, data.HitTestRightTopPoint, data.HitTestLeftBottomPoint,
           data.HitTestRightBottomPoint},
          data.MaskRectArea};
}

const QStringList kCorners = {"lefttoppoint=111,46", "righttoppoint=128,46", "leftbottompoint=20,93",
                              "rightbottompoint=261,104", "clientrect=13,46,265,107"};

}  // namespace

TEST(SkinDataFormInfo, AMaskGrowsTheMaskAreaAndFillsUnsetHitTestPoints) {
  QStringList lines = kCorners;
  lines << "maskrectarea=20,50,200,100" << "hittestlefttoppoint=9,0" << "hittestrighttoppoint=260,14";
  const FormInfo withMask = LoadFormInfo(lines, true);
  EXPECT_EQ(withMask.maskRectArea, Rect(13, 46, 265, 107));
  EXPECT_EQ(withMask.hitTests[0], (TPoint{111, 46}));  // y was 0
  EXPECT_EQ(withMask.hitTests[1], (TPoint{260, 14}));
  EXPECT_EQ(withMask.hitTests[2], (TPoint{20, 93}));   // missing reads as 0,0
  EXPECT_EQ(withMask.hitTests[3], (TPoint{261, 104}));

  lines << "maskrectarea=9,17,273,112";
  EXPECT_EQ(LoadFormInfo(lines, true).maskRectArea, Rect(9, 17, 273, 112));
  lines << "maskrectarea=50,50,50,90";  // empty: becomes the client area
  EXPECT_EQ(LoadFormInfo(lines, true).maskRectArea, Rect(13, 46, 265, 107));

  const FormInfo noMask = LoadFormInfo(lines, false);
  EXPECT_EQ(noMask.maskRectArea, Rect(50, 50, 50, 90));
  EXPECT_EQ(noMask.hitTests[0], (TPoint{9, 0}));
  EXPECT_EQ(noMask.hitTests[2], TPoint{});
}

TEST(SkinDataFormInfo, CornerPointsArePulledIntoTheClientAreaUnlessUnset) {
  const FormInfo pulled = LoadFormInfo({"lefttoppoint=5,5", "righttoppoint=300,5", "leftbottompoint=5,200",
                                        "rightbottompoint=300,200", "clientrect=13,46,265,107"},
                                       false);
  EXPECT_EQ(pulled.corners[0], (TPoint{13, 46}));
  EXPECT_EQ(pulled.corners[1], (TPoint{265, 46}));
  EXPECT_EQ(pulled.corners[2], (TPoint{13, 107}));
  EXPECT_EQ(pulled.corners[3], (TPoint{265, 107}));

  const FormInfo inside = LoadFormInfo(kCorners, false);
  EXPECT_EQ(inside.corners[0], (TPoint{111, 46}));
  EXPECT_EQ(inside.corners[3], (TPoint{261, 104}));

  const FormInfo unset = LoadFormInfo({"clientrect=13,46,265,107"}, false);
  for (const TPoint& corner : unset.corners) EXPECT_EQ(corner, TPoint{});
  // Points in one column are left alone as well.
  const FormInfo column = LoadFormInfo({"lefttoppoint=5,5", "rightbottompoint=5,200", "clientrect=13,46,265,107"},
                                       false);
  EXPECT_EQ(column.corners[0], (TPoint{5, 5}));
}

TEST(SkinDataState, ColoursAreResetByEveryLoad) {
  TSkinData data;
  EXPECT_EQ(data.SkinColors.CBtnFace, 0);  // until the first load
  const auto coloured = StoredSkin(Package({"[SKINCOLORS]", "cbtnface=255", "cbtnshadow=$FF000001"}, false));
  data.SetCompressedStoredSkin(coloured.get());
  EXPECT_EQ(data.SkinColors.CBtnFace, 255);
  EXPECT_EQ(data.SkinColors.CBtnShadow, clBackground);
  EXPECT_EQ(data.SkinColors.CWindow, clWindow);
  const auto plain = StoredSkin(Package({"[VERSION]", "skinname=plain"}, false));
  data.SetCompressedStoredSkin(plain.get());
  const TSkinColors& c = data.SkinColors;
  EXPECT_EQ((std::vector<TColor>{c.CBtnFace, c.CBtnText, c.CWindow, c.CWindowText, c.CHighlight, c.CHighlightText,
                                 c.CBtnHighlight, c.CBtnShadow}),
            (std::vector<TColor>{clBtnFace, clBtnText, clWindow, clWindowText, clHighlight, clHighlightText,
                                 clBtnHighlight, clBtnShadow}));
}

TEST(SkinDataState, ClearingEmptiesListsPicturesAndWindowPictures) {
  TSkinData data;
  const auto stored = StoredSkin(Package(kSkinIni));
  data.SetCompressedStoredSkin(stored.get());
  data.ClearObjects();
  EXPECT_TRUE(data.SkinObjects.empty());
  EXPECT_TRUE(data.SkinControls.empty());
  EXPECT_TRUE(data.ActivePictures.empty());
  EXPECT_TRUE(data.ActivePictureNames.isEmpty());
  EXPECT_EQ(data.PopupWindow.WindowPictureIndex, -1);
  EXPECT_EQ(data.HintWindow.WindowPictureIndex, -1);
  EXPECT_FALSE(data.Empty());
  EXPECT_FALSE(data.Picture.Empty());
  data.ClearAll();
  EXPECT_TRUE(data.Empty());
  EXPECT_TRUE(data.Picture.Empty());
  EXPECT_TRUE(data.MaskPicture.Empty());
}

TEST_F(SkinDataLoad, ResourceStringsAreAnnouncedEvenWhenCleared) {
  TResourceStrData strings;
  data.SetResourceStrData(&strings);
  data.SetResourceStrData(nullptr);
  EXPECT_EQ(Messages(log), (std::vector<unsigned>{SKINMSG_RESSTR_CHANGE, SKINMSG_RESSTR_CHANGE,
                                                  SKINMSG_RESSTR_CHANGE, SKINMSG_RESSTR_CHANGE}));
  EXPECT_EQ(data.ResourceStrData(), nullptr);
  EXPECT_TRUE(data.Empty());
}

TEST_F(SkinDataLoad, ReferencesAreClearedWhenTheirComponentsGo) {
  auto stored = StoredSkin(Package(kSkinIni));
  auto strings = std::make_unique<TResourceStrData>();
  data.SetCompressedStoredSkin(stored.get());
  data.SetResourceStrData(strings.get());
  log.clear();
  stored.reset();
  strings.reset();
  EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
  EXPECT_EQ(data.ResourceStrData(), nullptr);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(data.Empty());  // the loaded skin stays

  // A skin data that goes first leaves the stored skin without a dangling link.
  auto second = StoredSkin(Package(kSkinIni));
  { TSkinData(nullptr).SetCompressedStoredSkin(second.get()); }
  second.reset();
}

TEST_F(SkinDataLoad, TheDesignerNeitherLoadsNorAnnounces) {
  data.SetDesigning(true);
  const auto stored = StoredSkin(Package(kSkinIni));
  data.SetCompressedStoredSkin(stored.get());
  TResourceStrData strings;
  data.SetResourceStrData(&strings);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(data.Empty());
  EXPECT_EQ(data.CompressedStoredSkin(), stored.get());
}

TEST(SkinDataState, FreeingTheSkinDataSendsNothing) {
  std::vector<Delivery> log;
  RecordingForm form("form", log);
  const auto stored = StoredSkin(Package(kSkinIni));
  {
    TSkinData data(&form);
    data.SetCompressedStoredSkin(stored.get());
    log.clear();
  }
  EXPECT_TRUE(log.empty());
}
