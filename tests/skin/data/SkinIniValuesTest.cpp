// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include "platform/Convert.h"
#include "skin/data/SkinIniValues.h"

using namespace SkinIni;

namespace {

const TMemIniFile kIni({
    "[s]",
    "rect=-5,0,10,10",
    "spaced=1, 2 ,3 , 4",
    "point=7, 8",
    "long=1,2,3,4,5,6",
    "short=1,2,3",
    "blank=",
    "letters=a,b,c,d",
    "huge=1,2,3,99999999999",
    "one=1",
    "two=2",
    "hex=$1",
    "bool-empty=",
    "style=fsitalic,fsbold",
    "style-all=fsstrikeout,fsunderline,fsitalic,fsbold",
    "style-case=FSBOLD",
    "style-inside=xfsboldx",
    "colour=$FF00000F",
    "colour-dec=-16777201",
    "align-left=taleftjustify",
    "align-centre=tacenter",
    "align-right=tarightjustify",
    "align-odd=TACENTER",
    "align-empty=",
    "effect=ieinvert",
    "effect-odd=IEINVERT",
    "effect-empty=",
    "morph=mkpush",
    "morph-odd=push",
    "cmd-close=cmclose",
    "cmd-rollup=cmrollup",
    "cmd-tray=cmminimizetotray",
    "cmd-odd=cmClose",
    "listcount=3",
    "0=a.bmp",
    "2=c.bmp",
    "badcount=x",
});

QString ConversionMessage(const char* key) {
  try {
    ReadRect(kIni, "s", key);
  } catch (const EConvertError& error) {
    return error.Message();
  }
  return QStringLiteral("<no error>");
}

}  // namespace

TEST(SkinIniValues, RectanglesAndPointsKeepOnlyDigitsPerField) {
  EXPECT_EQ(ReadRect(kIni, "s", "rect"), Rect(5, 0, 10, 10));  // a minus sign cannot be written
  EXPECT_EQ(ReadRect(kIni, "s", "spaced"), Rect(1, 2, 3, 4));
  EXPECT_EQ(ReadPoint(kIni, "s", "point"), (TPoint{7, 8}));
  EXPECT_EQ(ReadRect(kIni, "s", "long"), Rect(1, 2, 3, 4));  // extra fields are ignored
  EXPECT_EQ(ReadPoint(kIni, "s", "long"), (TPoint{1, 2}));
  EXPECT_EQ(ReadRect(kIni, "s", "missing"), TRect{});
  EXPECT_EQ(ReadPoint(kIni, "nosection", "point"), TPoint{});
}

TEST(SkinIniValues, FieldsWithoutDigitsRaiseTheConversionError) {
  EXPECT_EQ(ConversionMessage("short"), "'' is not a valid integer value");
  EXPECT_EQ(ConversionMessage("blank"), "'' is not a valid integer value");
  EXPECT_EQ(ConversionMessage("letters"), "'' is not a valid integer value");
  EXPECT_EQ(ConversionMessage("huge"), "'99999999999' is not a valid integer value");
  EXPECT_THROW(ReadPoint(kIni, "s", "blank"), EConvertError);
}

TEST(SkinIniValues, BooleansAreTrueOnlyForOne) {
  EXPECT_TRUE(ReadBoolean(kIni, "s", "one"));
  EXPECT_TRUE(ReadBoolean(kIni, "s", "hex"));
  EXPECT_FALSE(ReadBoolean(kIni, "s", "two"));
  EXPECT_FALSE(ReadBoolean(kIni, "s", "bool-empty"));
  EXPECT_FALSE(ReadBoolean(kIni, "s", "missing"));
}

TEST(SkinIniValues, ColoursKeepTheSystemColourBit) {
  EXPECT_EQ(ReadColor(kIni, "s", "colour", 0), clBtnFace);
  EXPECT_EQ(ReadColor(kIni, "s", "colour-dec", 0), clBtnFace);
  EXPECT_EQ(ReadColor(kIni, "s", "missing", clWindow), clWindow);
  EXPECT_EQ(ReadInteger(kIni, "s", "letters", -1), -1);
}

TEST(SkinIniValues, FontStylesAreCaseSensitiveSubstringsWrittenInFixedOrder) {
  EXPECT_EQ(ReadFontStyle(kIni, "s", "style"), TFontStyle::fsBold | TFontStyle::fsItalic);
  EXPECT_EQ(FontStyleToText(ReadFontStyle(kIni, "s", "style")), "fsbold,fsitalic");
  EXPECT_EQ(FontStyleToText(ReadFontStyle(kIni, "s", "style-all")), "fsbold,fsitalic,fsunderline,fsstrikeout");
  EXPECT_EQ(ReadFontStyle(kIni, "s", "style-case"), TFontStyles());
  EXPECT_EQ(ReadFontStyle(kIni, "s", "style-inside"), TFontStyles(TFontStyle::fsBold));
  EXPECT_EQ(ReadFontStyle(kIni, "s", "missing"), TFontStyles());
  EXPECT_EQ(FontStyleToText(TFontStyles()), "");
}

TEST(SkinIniValues, WordKindsFallBackAsTheFormatSays) {
  EXPECT_EQ(ReadAlignment(kIni, "s", "align-left"), TAlignment::taLeftJustify);
  EXPECT_EQ(ReadAlignment(kIni, "s", "align-centre"), TAlignment::taCenter);
  EXPECT_EQ(ReadAlignment(kIni, "s", "align-right"), TAlignment::taRightJustify);
  EXPECT_EQ(ReadAlignment(kIni, "s", "align-odd"), TAlignment::taRightJustify);
  EXPECT_EQ(ReadAlignment(kIni, "s", "align-empty"), TAlignment::taRightJustify);
  EXPECT_EQ(ReadAlignment(kIni, "s", "missing"), TAlignment::taCenter);

  EXPECT_EQ(ReadEffect(kIni, "s", "effect"), TSkinEffect::ieInvert);
  EXPECT_EQ(ReadEffect(kIni, "s", "effect-odd"), TSkinEffect::ieGrayScale);
  EXPECT_EQ(ReadEffect(kIni, "s", "effect-empty"), TSkinEffect::ieGrayScale);
  EXPECT_EQ(ReadEffect(kIni, "s", "missing"), TSkinEffect::ieBrightness);

  EXPECT_EQ(ReadMorphKind(kIni, "s", "morph"), TMorphKind::mkPush);
  EXPECT_EQ(ReadMorphKind(kIni, "s", "morph-odd"), TMorphKind::mkDefault);
  EXPECT_EQ(ReadMorphKind(kIni, "s", "missing"), TMorphKind::mkDefault);

  EXPECT_EQ(ReadCommand(kIni, "s", "cmd-close"), SkinCommand::cmClose);
  EXPECT_EQ(ReadCommand(kIni, "s", "cmd-rollup"), SkinCommand::cmRollUp);
  EXPECT_EQ(ReadCommand(kIni, "s", "cmd-tray"), SkinCommand::cmMinimizeToTray);
  EXPECT_EQ(ReadCommand(kIni, "s", "cmd-odd"), SkinCommand::cmMinimizeToTray);
  EXPECT_EQ(ReadCommand(kIni, "s", "missing"), SkinCommand::cmDefault);
}

TEST(SkinIniValues, EveryWordReadsBackAsWritten) {
  for (int i = 0; i <= int(TAlignment::taCenter); ++i)
    EXPECT_EQ(AlignmentFromText(AlignmentToText(TAlignment(i))), TAlignment(i));
  for (int i = 0; i <= int(TSkinEffect::ieInvert); ++i)
    EXPECT_EQ(EffectFromText(EffectToText(TSkinEffect(i))), TSkinEffect(i));
  for (int i = 0; i <= int(TMorphKind::mkPush); ++i)
    EXPECT_EQ(MorphKindFromText(MorphKindToText(TMorphKind(i))), TMorphKind(i));
  for (int i = 0; i <= int(SkinCommand::cmMinimizeToTray); ++i)
    EXPECT_EQ(CommandFromText(CommandToText(SkinCommand(i))), SkinCommand(i));
  EXPECT_EQ(RectToText(Rect(13, 46, 265, 107)), "13,46,265,107");
  EXPECT_EQ(PointToText(TPoint{111, 46}), "111,46");
}

TEST(SkinIniValues, ListsReadCountedNumberedKeys) {
  EXPECT_EQ(ReadList(kIni, "s", "list"), (QStringList{"a.bmp", "", "c.bmp"}));
  EXPECT_TRUE(ReadList(kIni, "s", "badcount").isEmpty());
  EXPECT_TRUE(ReadList(kIni, "s", "missing").isEmpty());
  // A damaged count makes no list of millions of empty items: a list ends with its section's keys.
  const TMemIniFile damaged({"[p]", "activepicturescount=2147483647", "0=a.bmp", "5=f.bmp"});
  EXPECT_EQ(ReadList(damaged, "p", "activepictures"), (QStringList{"a.bmp", "", ""}));
  TMemIniFile written;
  WriteList(written, "p", "activepictures", {"x.bmp", "y.bmp"});
  EXPECT_EQ(written.GetStrings(), (QStringList{"[p]", "activepicturescount=2", "0=x.bmp", "1=y.bmp", ""}));
}

TEST(SkinIniValues, PresentItemsAreTheNumberedKeysBelowTheCount) {
  const TMemIniFile ini({"[s]", "count=2147483647", "7=x", "0=a", "07=no", "+3=no", "-1=no", "2=b", "2=again",
                         "2147483647=beyond", "x=no", "=no"});
  EXPECT_EQ(PresentItems(ini, "s", 2147483647), (std::vector<int>{0, 2, 7}));
  EXPECT_EQ(PresentItems(ini, "s", 7), (std::vector<int>{0, 2}));
  EXPECT_TRUE(PresentItems(ini, "s", -5).empty());
  EXPECT_TRUE(PresentItems(ini, "absent", 10).empty());
}
