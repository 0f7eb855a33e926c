// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <map>

#include "skin/data/SkinCustomControls.h"
#include "skin/data/SkinEntryKinds.h"
#include "skin/data/SkinObjects.h"

namespace {

// The kind of every key of every class, gathered from the classes' own tables.
using KindMap = std::map<QString, TSkinValueKind>;

template <class C>
void AddKinds(KindMap& kinds) {
  for (const TSkinKey<C>& key : C::Keys()) {
    const auto [it, added] = kinds.emplace(QString::fromLatin1(key.name), key.kind);
    EXPECT_EQ(it->second, key.kind) << "key " << key.name << " has two kinds";
  }
}

template <class... C>
void AddAllKinds(KindMap& kinds) {
  (AddKinds<C>(kinds), ...);
}

const KindMap& Kinds() {
  static const KindMap kinds = [] {
    KindMap k;
    AddAllKinds<TDataSkinObject, TDataSkinButton, TDataSkinStdButton, TDataSkinAnimate, TDataSkinMenuItem,
                TDataSkinMainMenuItem, TDataSkinCaption, TDataSkinControl, TDataSkinCustomControl,
                TDataSkinMainMenuBar, TDataSkinSlider, TDataSkinBevel, TDataSkinTreeView, TDataSkinListView,
                TDataSkinRichEdit, TDataSkinTabControl, TDataSkinGridControl, TDataSkinStdLabelControl,
                TDataSkinButtonControl, TDataSkinMenuButtonControl, TDataSkinUpDownControl, TDataSkinListBox,
                TDataSkinCheckListBox, TDataSkinComboBox, TDataSkinControlBar, TDataSkinSpinEditControl,
                TDataSkinEditControl, TDataSkinMemoControl, TDataSkinLabelControl, TDataSkinScrollBarControl,
                TDataSkinTrackBarControl, TDataSkinSplitterControl, TDataSkinGaugeControl,
                TDataSkinScrollBoxControl, TDataSkinPanelControl, TDataSkinCheckRadioControl,
                TDataSkinExPanelControl>(k);
    return k;
  }();
  return kinds;
}

// A written value of the key's kind that differs from the kind's default and, for numbers, from
// every other key of the section; `flip` swaps the two-valued kinds.
QString DistinctValue(TSkinValueKind kind, int i, bool flip) {
  const bool odd = ((i % 2) == 1) != flip;
  switch (kind) {
    case TSkinValueKind::Integer:
      return QString::number(100 + i);
    case TSkinValueKind::Color:
      return QString::number(0x10000 + i);
    case TSkinValueKind::Boolean:
      return odd ? "1" : "0";
    case TSkinValueKind::String:
      return QStringLiteral("text%1").arg(i);
    case TSkinValueKind::Rect:
      return QStringLiteral("%1,%2,%3,%4").arg(i).arg(i + 1).arg(i + 2).arg(i + 3);
    case TSkinValueKind::Point:
      return QStringLiteral("%1,%2").arg(i).arg(i + 500);
    case TSkinValueKind::FontStyle:
      return odd ? "fsbold,fsunderline" : "fsitalic,fsstrikeout";
    case TSkinValueKind::Alignment:
      return odd ? "taleftjustify" : "tarightjustify";
    case TSkinValueKind::Effect:
      return odd ? "ieinvert" : "ienoise";
    case TSkinValueKind::MorphKind:
      return odd ? "mkpush" : "mkleftslide";
    case TSkinValueKind::Command:
      return odd ? "cmrollup" : "cmsysmenu";
  }
  return {};
}

// Key=value lines of the section, in written order.
QStringList SectionLines(const TMemIniFile& ini, const QString& section) {
  QStringList lines;
  for (const QString& key : ini.ReadSection(section)) lines << key + "=" + ini.ReadString(section, key, "");
  return lines;
}

template <class Root>
QStringList WrittenKeys(const Root& entry) {
  TMemIniFile out;
  entry.SaveToIni(out);
  return out.ReadSection(entry.IDName);
}

// Values that a class sets after reading, whatever its section says.
QString ForcedValue(const QString& className, const QString& key) {
  if (className == "TDataSkinAnimate" && key == "morphing") return "0";
  if (className == "TDataSkinUpDownControl") {
    if (key.endsWith("point")) return "0,0";
    if (key == "clientrect") return "0,0,0,0";
  }
  return {};
}

// Every class of a family: reading a section of distinct values and writing it back gives the
// same lines, in the class's written order, in a section that holds nothing else.
template <class Root>
void CheckRoundTrips(std::span<const TSkinEntryKind<Root>> kinds) {
  for (const TSkinEntryKind<Root>& kind : kinds) {
    SCOPED_TRACE(kind.keyword);
    const QStringList keys = WrittenKeys(*kind.create("entry"));
    ASSERT_FALSE(keys.isEmpty());
    for (const bool flip : {false, true}) {
      QStringList input{"[entry]", "stale=1"};
      QStringList expected;
      for (int i = 0; i < keys.size(); ++i) {
        ASSERT_TRUE(Kinds().count(keys[i])) << keys[i].toStdString();
        const QString value = DistinctValue(Kinds().at(keys[i]), i, flip);
        const QString forced = ForcedValue(kind.className, keys[i]);
        input << keys[i] + "=" + value;
        expected << keys[i] + "=" + (forced.isNull() ? value : forced);
      }
      std::unique_ptr<Root> entry = kind.create("entry");
      entry->LoadFromIni(TMemIniFile(input));
      TMemIniFile out(QStringList{"[ENTRY]", "stale=1", "[other]", "kept=1"});
      entry->SaveToIni(out);
      EXPECT_EQ(SectionLines(out, "entry"), expected);
      EXPECT_EQ(out.ReadString("other", "kept", ""), "1");
    }
  }
}

QStringList Slice(const QStringList& keys, const QString& first, int count) {
  return keys.mid(keys.indexOf(first), count);
}

}  // namespace

TEST(SkinDataClasses, EveryObjectClassWritesBackWhatItRead) { CheckRoundTrips(SkinObjectKinds()); }

TEST(SkinDataClasses, EveryControlClassWritesBackWhatItRead) { CheckRoundTrips(SkinControlKinds()); }

TEST(SkinDataClasses, BaseKeysComeFirstAndThreeClassesWriteInTheirOwnOrder) {
  const QStringList stdButton = WrittenKeys(TDataSkinStdButton("b"));
  EXPECT_EQ(stdButton.mid(0, 3), (QStringList{"hint", "activepictureindex", "skinrectinapicture"}));
  EXPECT_EQ(stdButton.mid(8, 3), (QStringList{"downrect", "disableskinrsect", "command"}));
  EXPECT_EQ(WrittenKeys(TDataSkinButtonControl("b")).mid(0, 5),
            (QStringList{"pictureindex", "maskpictureindex", "skinrect", "lefttoppoint", "righttoppoint"}));

  EXPECT_EQ(WrittenKeys(TDataSkinCheckListBox("c")).mid(-3 + WrittenKeys(TDataSkinCheckListBox("c")).size()),
            (QStringList{"itemcheckrect", "uncheckimagerect", "checkimagerect"}));
  EXPECT_EQ(Slice(WrittenKeys(TDataSkinComboBox("c")), "buttonrect", 6),
            (QStringList{"buttonrect", "activebuttonrect", "downbuttonrect", "unenabledbuttonrect", "listboxname",
                         "itemstretcheffect"}));
  EXPECT_EQ(Slice(WrittenKeys(TDataSkinCheckRadioControl("c")), "fontcolor", 3),
            (QStringList{"fontcolor", "framefontcolor", "activefontcolor"}));
}

TEST(SkinDataClasses, ForcedValuesWinOverTheSection) {
  TDataSkinAnimate animate("a");
  animate.LoadFromIni(TMemIniFile({"[a]", "morphing=1", "activeskinrect=1,2,3,4"}));
  EXPECT_FALSE(animate.Morphing);
  EXPECT_EQ(animate.ActiveSkinRect, Rect(1, 2, 3, 4));
  EXPECT_EQ(animate.CountFrames, 1);
  EXPECT_EQ(animate.TimerInterval, 50);

  TDataSkinUpDownControl upDown("u");
  upDown.LoadFromIni(TMemIniFile({"[u]", "lefttoppoint=1,2", "rightbottompoint=3,4", "clientrect=1,1,5,5",
                                  "leftstretch=1", "upbuttonrect=0,0,9,9"}));
  EXPECT_EQ(upDown.LeftTopPoint, TPoint{});
  EXPECT_EQ(upDown.RightBottomPoint, TPoint{});
  EXPECT_EQ(upDown.ClientRect, TRect{});
  EXPECT_TRUE(upDown.LeftStretch);
  EXPECT_EQ(upDown.UpButtonRect, Rect(0, 0, 9, 9));
}

TEST(SkinDataClasses, UserObjectsKeepOnlyTheirPlace) {
  TDataUserObject user("u");
  user.LoadFromIni(TMemIniFile({"[u]", "hint=ignored", "skinrect=1,2,3,4", "morphing=1"}));
  EXPECT_EQ(user.SkinRect, Rect(1, 2, 3, 4));
  EXPECT_TRUE(user.Hint.isEmpty());
  EXPECT_FALSE(user.Morphing);
  TMemIniFile out(QStringList{"[u]", "hint=old"});
  user.SaveToIni(out);
  EXPECT_EQ(SectionLines(out, "u"), QStringList{"skinrect=1,2,3,4"});
}

TEST(SkinDataClasses, MissingSectionsGiveTheKeyDefaults) {
  const TMemIniFile none;
  TDataSkinCaption caption("caption");
  caption.LoadFromIni(none);
  EXPECT_EQ(caption.FontName, "Arial");
  EXPECT_EQ(caption.FontHeight, 14);
  EXPECT_EQ(caption.Alignment, TAlignment::taCenter);
  EXPECT_EQ(caption.AnimateInterval, 25);
  EXPECT_EQ(caption.ActivePictureIndex, -1);
  EXPECT_EQ(caption.MorphKind, TMorphKind::mkDefault);

  TDataSkinStdButton button("closebutton");
  button.LoadFromIni(none);
  EXPECT_EQ(button.Command, SkinCommand::cmDefault);

  TDataSkinListBox list("listbox");
  list.LoadFromIni(none);
  EXPECT_EQ(list.PictureIndex, -1);
  EXPECT_EQ(list.VScrollBarName, "vscrollbar");
  EXPECT_EQ(list.BothHScrollBarName, "bothhscrollbar");
  EXPECT_EQ(list.CaptionFontName, "Arial");

  TDataSkinStdLabelControl label("stdlabel");
  label.LoadFromIni(none);
  EXPECT_EQ(label.ActiveFontColor, clBlue);
  TDataSkinControlBar bar("controlbar");
  bar.LoadFromIni(none);
  EXPECT_EQ(bar.BGPictureIndex, -1);
}

TEST(SkinDataClasses, SectionNamesAndFontStylesFollowTheIniRules) {
  TDataSkinCaption caption("caption");
  caption.LoadFromIni(TMemIniFile({"[CAPTION]", "FontStyle=fsbold,fsitalic", "skinrect=46,16,136,35",
                                   "fontcolor=8404992", "alignment=taleftjustify", "shadow=1"}));
  EXPECT_EQ(caption.FontStyle, TFontStyle::fsBold | TFontStyle::fsItalic);
  EXPECT_EQ(caption.SkinRect, Rect(46, 16, 136, 35));
  EXPECT_EQ(caption.FontColor, 8404992);
  EXPECT_EQ(caption.Alignment, TAlignment::taLeftJustify);
  EXPECT_TRUE(caption.Shadow);
}

TEST(SkinDataClasses, TheButtonKeywordNamesOneClassPerSection) {
  EXPECT_STREQ(CreateSkinObject("button", "b")->ClassName(), "TDataSkinButton");
  EXPECT_STREQ(CreateSkinControl("button", "b")->ClassName(), "TDataSkinButtonControl");
  EXPECT_EQ(CreateSkinControl("Button", "b"), nullptr);
  EXPECT_EQ(CreateSkinObject("header", "b"), nullptr);
  EXPECT_EQ(SkinControlKeyword(TDataSkinScrollBarControl("hscrollbar")), "scrollbar");
  EXPECT_EQ(SkinObjectKeyword(TDataSkinObject("base")), "");
}
