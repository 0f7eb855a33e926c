// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The sign's window in the operator's language, from the catalogue the build made: found where an
// installed sign looks for it and beside the sign in the build folder.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTranslator>

#include "platform/InstalledLayout.h"
#include "sign/SignModeTitle.h"
#include "sign/SignTranslations.h"
#include "sign/SignWindow.h"
#include "support/QtPrinters.h"
#include "support/SignPackets.h"
#include "wire/DisplayModes.h"

namespace {

const QString kBuiltCatalogues = QStringLiteral(LUMETRA_SIGN_CATALOGUES);
const QLocale kChinese(QLocale::Chinese, QLocale::China);

// The fault the decoder finds in a packet that declares no pages, as the window shows it.
QString NoPagesFault() {
  const std::vector<PacketReport> reports = DecodePackets(QByteArray("\x01\x55\xAA\x55\xAA\x00", 6));
  return reports.empty() ? QString() : reports[0].error;
}

// The built Chinese catalogue of the sign, in use while this lives (when `use`).
class ChineseCatalogue {
 public:
  explicit ChineseCatalogue(bool use) {
    if (use) {
      EXPECT_TRUE(translator_.load(kBuiltCatalogues + QStringLiteral("/lumetra-sign_zh_CN.qm")));
      QCoreApplication::installTranslator(&translator_);
    }
  }
  ~ChineseCatalogue() { QCoreApplication::removeTranslator(&translator_); }

 private:
  QTranslator translator_;
};

}  // namespace

TEST(SignTranslations, AnInstalledSignSpeaksChineseUnderAChineseLocale) {
  // The package's layout, unpacked here: the programs in usr/bin, the catalogue in its data folder.
  const QString bin = QDir::current().filePath(QStringLiteral("usr/bin"));
  const QString folder = PackageDataFolder(bin) + QStringLiteral("/translations");
  ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(folder));
  const QString catalogue = QStringLiteral("/lumetra-sign_zh_CN.qm");
  ASSERT_TRUE(QFile::copy(kBuiltCatalogues + catalogue, folder + catalogue));
  EXPECT_EQ(SignTranslationFolder(bin), folder);

  ASSERT_TRUE(InstallSignTranslations(bin, kChinese));
  SignWindow window(QStringLiteral("/dev/pts/9"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumetra 字幕屏（模拟）"));
  EXPECT_EQ(window.ModeText(), QStringLiteral("模式：-"));
  EXPECT_EQ(NoPagesFault(), QStringLiteral("数据包声明的页数为 0（偏移 5）")) << "the decoder's faults too";
}

TEST(SignTranslations, ABuiltSignFindsItsCatalogueBesideItAndStaysEnglishWithoutOne) {
  EXPECT_EQ(SignTranslationFolder(kBuiltCatalogues), kBuiltCatalogues);
  EXPECT_FALSE(InstallSignTranslations(kBuiltCatalogues, QLocale(QLocale::German, QLocale::Germany)));
  EXPECT_FALSE(InstallSignTranslations(kBuiltCatalogues, QLocale::c()));
  SignWindow english(QStringLiteral("/dev/pts/9"));
  EXPECT_EQ(english.ModeText(), QStringLiteral("Mode: -"));
  EXPECT_EQ(NoPagesFault(), QStringLiteral("the packet declares no pages at offset 5"));

  ASSERT_TRUE(InstallSignTranslations(kBuiltCatalogues, kChinese));
  SignWindow chinese(QStringLiteral("/dev/pts/9"));
  EXPECT_EQ(chinese.CountText(), QStringLiteral("数据包：0   故障：0"));
}

// The sign names its modes in Chinese: an English window adds a gloss of the effect before the
// name, a Chinese one shows the name alone, as the sign has it.
TEST(SignTranslations, ModesCarryAnEnglishGlossOnlyOutsideChinese) {
  const struct {
    bool chinese;
    int mode;
    QString shown;
  } cases[] = {
      {false, 4, QStringLiteral("Mode: 4 roll in downwards from above, 从上向下卷入")},
      {true, 4, QStringLiteral("模式：4 从上向下卷入")},
  };
  for (const auto& c : cases) {
    const ChineseCatalogue chinese(c.chinese);
    SignWindow window(QStringLiteral("/dev/pts/9"));
    window.Receive(ValidPacket(c.mode, {LedPage()}));
    EXPECT_EQ(window.ModeText(), c.shown);
  }

  // Every mode: a gloss of its own in English, the sign's name alone in Chinese.
  QStringList glosses;
  for (int mode = 0; mode < kDisplayModeCount; ++mode) {
    const QString title = SignModeTitle(mode), suffix = QStringLiteral(", ") + DisplayModeName(mode);
    ASSERT_TRUE(title.endsWith(suffix)) << title.toStdString();
    glosses << title.chopped(suffix.size());
  }
  glosses.removeDuplicates();
  EXPECT_EQ(glosses.size(), kDisplayModeCount);
  const ChineseCatalogue chinese(true);
  for (int mode = 0; mode < kDisplayModeCount; ++mode) EXPECT_EQ(SignModeTitle(mode), DisplayModeName(mode));
  EXPECT_TRUE(SignModeTitle(kDisplayModeCount).isEmpty());
}
