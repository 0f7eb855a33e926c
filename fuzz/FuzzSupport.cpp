// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "FuzzSupport.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/Exceptions.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/ZlibStreams.h"

void Require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "lumetra-fuzz";
  static char* argv[] = {name, nullptr};
  // Never destroyed: at exit Qt's own statics may already be gone.
  static QApplication* application = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  (void)application;
}

bool LoadSkinPackage(const QByteArray& package, TSkinData& skin) {
  TCompressedStoredSkin stored;
  {
    TCompressionStream compressor(CompressionLevel::None, stored.CompressedStream());
    compressor.WriteBuffer(package.constData(), static_cast<std::int32_t>(package.size()));
    compressor.Finish();
  }
  try {
    skin.LoadFromCompressedStoredSkin(stored);
  } catch (const Exception&) {
    Require(skin.Empty() && skin.SkinChanging(), "a failed load stays in the loading state");
    return false;
  }
  return !skin.Empty();
}
