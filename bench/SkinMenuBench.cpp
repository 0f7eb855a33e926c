// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The skinned menu with the program's own skin and in the built-in look: building and painting
// a ten-line popup (what every opening costs per level), and one hover step of an open popup
// (the pointer poll finding a new line: one line deselected, one selected and redrawn, plus one
// frame of the skin's hover fade).
#include <benchmark/benchmark.h>

#include "platform/Bitmap.h"
#include "platform/Menus.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinData.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupContent.h"
#include "skin/menus/SkinPopupWindow.h"

namespace {

struct TenLineMenu {
  explicit TenLineMenu(bool skinned) {
    if (skinned) {
      stored.SetCompressedData(StoredSkinCompressedData());
      skin.SetCompressedStoredSkin(&stored);
    }
    const char* captions[] = {"Ro&llUp", "&Restore", "-",       "&Open...", "&Save",
                              "Save &As...", "-",      "&Options", "&Help",    "&Close"};
    for (const char* caption : captions) menu.Items().Add(QString::fromLatin1(caption));
    menu.Items().Items(9)->ShortCut = ShortCut(0x73, scAlt);
    menu.Items().Items(9)->Name = QStringLiteral("SF_CLOSE");
    menu.Items().Items(7)->Add(QStringLiteral("x"));
  }
  TSkinData* Skin() { return skin.Empty() ? nullptr : &skin; }

  TCompressedStoredSkin stored;
  TSkinData skin;
  TPopupMenu menu;
};

void BM_SkinMenuBuildAndPaint(benchmark::State& state) {
  TenLineMenu m(state.range(0) != 0);
  const TSkinMenuSettings settings;
  TBitmap picture;
  for (auto _ : state) {
    TSkinPopupContent content;
    content.Build(SkinMenuLookOf(m.Skin(), settings), settings, m.menu.Items(), 0, {0, 0, 1280, 800});
    content.Paint(picture);
    benchmark::DoNotOptimize(picture.Image().constBits());
  }
}
BENCHMARK(BM_SkinMenuBuildAndPaint)->ArgName("skinned")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_SkinMenuHoverStep(benchmark::State& state) {
  TenLineMenu m(state.range(0) != 0);
  TSkinMenu menu(nullptr);
  if (!menu.PopupAt(m.Skin(), &m.menu.Items(), 10, 10)) {
    state.SkipWithError("the menu did not open");
    return;
  }
  TSkinPopupWindow& popup = *menu.PopupWindow(0);
  popup.PointerPollTimer().Stop();
  const TRect a = popup.Content().Item(3).Rect, b = popup.Content().Item(4).Rect;
  bool onA = false;
  for (auto _ : state) {
    onA = !onA;
    const TRect& r = onA ? a : b;
    popup.TrackPoint(QPoint(r.Left + 5, r.Top + 5));
    popup.ItemEffectTimer().Tick();
  }
  popup.ItemEffectTimer().Stop();
}
BENCHMARK(BM_SkinMenuHoverStep)->ArgName("skinned")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
