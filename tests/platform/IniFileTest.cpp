// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QFile>

#include "platform/IniFile.h"

namespace {

TMemIniFile Ini(const QStringList& lines) { return TMemIniFile(lines); }

}  // namespace

TEST(IniFile, LinesAreTrimmedAndCommentsAndStrayLinesDropped) {
  const TMemIniFile ini = Ini({"orphan=1", "", "  [ Main ]  ", "; note=1", "  key  =  some value  ",
                               "  ;also=1", "path = a=b=c"});
  EXPECT_FALSE(ini.ValueExists("Main", "orphan"));
  EXPECT_FALSE(ini.ValueExists("Main", "note"));
  EXPECT_FALSE(ini.ValueExists("Main", ";also"));
  EXPECT_EQ(ini.ReadString("Main", "key", "x"), "some value");
  EXPECT_EQ(ini.ReadString("Main", "path", "x"), "a=b=c");
  EXPECT_EQ(ini.ReadSections(), QStringList{"Main"});
}

TEST(IniFile, NamesIgnoreCaseAndLaterDuplicatesWin) {
  const TMemIniFile ini = Ini({"[Forms]", "a=first", "only=old", "[other]", "x=1", "[FORMS]",
                               "A=second", "a=third"});
  EXPECT_EQ(ini.ReadString("forms", "A", ""), "third");
  // The earlier section of the same name is hidden as a whole.
  EXPECT_FALSE(ini.ValueExists("Forms", "only"));
  EXPECT_EQ(ini.ReadString("OTHER", "X", ""), "1");
  EXPECT_TRUE(ini.SectionExists("fOrMs"));
  EXPECT_FALSE(ini.SectionExists("missing"));
}

TEST(IniFile, EmptyValueIsPresentButLineWithoutEqualsIsNoKey) {
  const TMemIniFile ini = Ini({"[s]", "empty=", "bare", "n="});
  EXPECT_TRUE(ini.ValueExists("s", "empty"));
  EXPECT_EQ(ini.ReadString("s", "empty", "default"), "");
  EXPECT_FALSE(ini.ValueExists("s", "bare"));
  EXPECT_EQ(ini.ReadString("s", "bare", "default"), "default");
  EXPECT_EQ(ini.ReadInteger("s", "n", 7), 7);
  EXPECT_EQ(ini.ReadSection("s"), (QStringList{"empty", "n"}));
  // The bare line is kept and written back.
  EXPECT_EQ(ini.GetStrings(), (QStringList{"[s]", "empty=", "bare", "n=", ""}));
}

TEST(IniFile, IntegersReadDecimalAndBothHexFormsElseDefault) {
  const TMemIniFile ini = Ini({"[n]", "dec=-42", "plus=+7", "dollar=$1F", "cx=0x10", "CX=0X1f",
                               "colour=$FF00000F", "neg=-$10", "max=2147483647", "min=-2147483648",
                               "over=2147483648", "hexover=$100000000", "junk=12a", "blank=1 2",
                               "lone=$", "sign=-"});
  EXPECT_EQ(ini.ReadInteger("n", "dec", 0), -42);
  EXPECT_EQ(ini.ReadInteger("n", "plus", 0), 7);
  EXPECT_EQ(ini.ReadInteger("n", "dollar", 0), 31);
  EXPECT_EQ(ini.ReadInteger("n", "cx", 0), 31);  // the later "CX" wins
  EXPECT_EQ(ini.ReadInteger("n", "colour", 0), static_cast<int>(0xFF00000Fu));
  EXPECT_EQ(ini.ReadInteger("n", "neg", 0), -16);
  EXPECT_EQ(ini.ReadInteger("n", "max", 0), 2147483647);
  EXPECT_EQ(ini.ReadInteger("n", "min", 0), -2147483647 - 1);
  for (const char* key : {"over", "hexover", "junk", "blank", "lone", "sign", "missing"})
    EXPECT_EQ(ini.ReadInteger("n", key, 99), 99) << key;
}

TEST(IniFile, BooleansAreNonZeroIntegers) {
  const TMemIniFile ini = Ini({"[b]", "one=1", "two=2", "zero=0", "word=yes"});
  EXPECT_TRUE(ini.ReadBool("b", "one", false));
  EXPECT_TRUE(ini.ReadBool("b", "two", false));
  EXPECT_FALSE(ini.ReadBool("b", "zero", true));
  EXPECT_TRUE(ini.ReadBool("b", "word", true));
  EXPECT_FALSE(ini.ReadBool("b", "missing", false));
}

TEST(IniFile, WritesUpdateTheFoundKeyOrAppendAndEraseRemovesEveryCopy) {
  TMemIniFile ini = Ini({"[a]", "k=1", "K=2", "[b]", "x=1", "[A]", "z=9"});
  ini.WriteInteger("a", "z", -3);
  ini.WriteBool("a", "flag", true);
  ini.WriteString("new", "name", "v");
  EXPECT_EQ(ini.ReadInteger("a", "z", 0), -3);
  EXPECT_EQ(ini.GetStrings(), (QStringList{"[a]", "k=1", "K=2", "", "[b]", "x=1", "", "[A]", "z=-3",
                                           "flag=1", "", "[new]", "name=v", ""}));
  ini.EraseSection("A");
  EXPECT_FALSE(ini.SectionExists("a"));
  EXPECT_EQ(ini.ReadSections(), (QStringList{"b", "new"}));
  ini.DeleteKey("b", "X");
  EXPECT_TRUE(ini.ReadSection("b").isEmpty());
}

TEST(IniFile, LookupsFollowEveryChange) {
  TMemIniFile ini = Ini({"[Ä]", "k=1", "[b]", "x=1", "x=2", "[ä]", "k=2"});
  EXPECT_EQ(ini.ReadString("ä", "K", ""), "2");
  ini.DeleteKey("b", "x");
  ini.WriteString("b", "X", "3");
  EXPECT_EQ(ini.ReadString("b", "x", ""), "3");
  ini.EraseSection("Ä");
  ini.WriteString("b", "y", "4");
  EXPECT_FALSE(ini.SectionExists("ä"));
  EXPECT_EQ(ini.ReadString("B", "Y", ""), "4");
  ini.WriteString("Ä", "k", "5");
  EXPECT_EQ(ini.ReadSections(), (QStringList{"b", "Ä"}));
  EXPECT_EQ(ini.ReadString("ä", "k", ""), "5");

  // Every key of a long section is found (how quickly: IniFileBench).
  QStringList lines{"[long]"};
  for (int i = 0; i < 1000; ++i) lines << QStringLiteral("%1=v%1").arg(i);
  const TMemIniFile long_(lines);
  int found = 0;
  for (int i = 0; i < 1000; ++i) found += long_.ReadString("long", QString::number(i), "") == QStringLiteral("v%1").arg(i);
  EXPECT_EQ(found, 1000);
}

// Lookups remember the last section asked for; every change of the sections must be seen.
TEST(IniFile, LookupsFollowEveryChangeOfTheSections) {
  TMemIniFile ini = Ini({"[a]", "k=1"});
  EXPECT_EQ(ini.ReadString("b", "k", "none"), "none");
  ini.WriteString("b", "k", "2");
  EXPECT_EQ(ini.ReadString("b", "k", "none"), "2");
  ini.WriteString("A", "k", "3");  // the same section as "a"
  EXPECT_EQ(ini.ReadString("a", "k", "none"), "3");
  ini.EraseSection("b");
  EXPECT_EQ(ini.ReadString("b", "k", "none"), "none");
  ini.SetStrings({"[b]", "k=4", "[B]", "k=5"});
  EXPECT_EQ(ini.ReadString("b", "k", "none"), "5");
  EXPECT_EQ(ini.ReadString("a", "k", "none"), "none");
  const TMemIniFile copy = ini;
  ini.Clear();
  EXPECT_EQ(ini.ReadString("b", "k", "none"), "none");
  EXPECT_EQ(copy.ReadString("b", "k", "none"), "5");
}

TEST(IniFile, FileRoundTripUsesCrLfAndAMissingFileIsEmpty) {
  EXPECT_TRUE(TMemIniFile::FromFile("absent.ini").ReadSections().isEmpty());
  QFile file("in.ini");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[s]\r\nname=\xc4\xe3\xba\xc3\nn=5\r\n");  // GBK text, mixed line ends
  file.close();
  TMemIniFile ini = TMemIniFile::FromFile("in.ini");
  EXPECT_EQ(ini.ReadString("s", "name", ""), QString::fromUtf8("你好"));
  EXPECT_EQ(ini.ReadInteger("s", "n", 0), 5);
  ini.SaveToFile("out.ini");
  QFile out("out.ini");
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_EQ(out.readAll(), QByteArray("[s]\r\nname=\xc4\xe3\xba\xc3\r\nn=5\r\n\r\n"));
}
