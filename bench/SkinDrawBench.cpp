// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Skin drawing costs that a paint or a resize pays: the frame strips of the main window, one
// hover morph step of a push button, and the window region after a resize.
#include <benchmark/benchmark.h>

#include "platform/Bitmap.h"
#include "skin/controls/EffectBmp.h"
#include "skin/controls/SkinDrawStrips.h"
#include "skin/controls/SkinRegion.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinData.h"

namespace {

// The program's own skin, loaded once.
const TSkinData& StoredSkin() {
  static TCompressedStoredSkin stored;
  static TSkinData skin;
  if (skin.Empty()) {
    stored.SetCompressedData(StoredSkinCompressedData());
    skin.SetCompressedStoredSkin(&stored);
  }
  return skin;
}

NinePartSkin FrameGeometry(const TSkinData& skin, const TRect& client) {
  return {skin.LeftTopPoint, skin.RightTopPoint, skin.LeftBottomPoint, skin.RightBottomPoint, client};
}

void BM_FrameStrips555x392(benchmark::State& state) {
  const TSkinData& skin = StoredSkin();
  if (skin.Empty()) return state.SkipWithError("no stored skin");
  const int W = 555, H = 392, PW = skin.Picture.Width(), PH = skin.Picture.Height();
  const NinePartSkin geometry = FrameGeometry(skin, skin.ClientRect);
  TBitmap window(W, H);
  for (auto _ : state) {
    const NinePartSkin sized = ResizeLayout(geometry, PW, PH, W, H);
    TBorderStrips strips;
    BuildFrameStrips(geometry, sized, skin.Picture, Rect(0, 0, PW, PH), W, H,
                     {skin.LeftStretch, skin.TopStretch, skin.RightStretch, skin.BottomStretch}, strips);
    DrawFrameStrips(window.Canvas, strips, sized, W, H);
    benchmark::DoNotOptimize(window.Image().constBits());
  }
}
BENCHMARK(BM_FrameStrips555x392)->Unit(benchmark::kMicrosecond);

// One step of a 75 × 21 hover cross-fade: the normal look copied and morphed towards the hover
// look, as each tick of the fade timer does.
void BM_Morph75x21(benchmark::State& state) {
  const TMorphKind kind = TMorphKind(state.range(0));
  TEffectBmp normal(75, 21), active(75, 21);
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 75; ++x) {
      normal.SetPixel(x, y, RGBColor(x * 3, y * 12, 40));
      active.SetPixel(x, y, RGBColor(255 - x * 3, 90, y * 12));
    }
  double k = 0;
  for (auto _ : state) {
    TEffectBmp step = normal;
    step.Morph(kind, active, k);
    k = k >= 1 ? 0 : k + 0.1;
    benchmark::DoNotOptimize(step.Row(0));
  }
}
BENCHMARK(BM_Morph75x21)->DenseRange(0, 6)->ArgName("kind")->Unit(benchmark::kMicrosecond);

void BM_WindowRegion800x600(benchmark::State& state) {
  const TSkinData& skin = StoredSkin();
  if (skin.Empty() || skin.MaskPicture.Empty()) return state.SkipWithError("no stored skin mask");
  const int W = 800, H = 600, PW = skin.Picture.Width(), PH = skin.Picture.Height();
  const NinePartSkin geometry = FrameGeometry(skin, skin.MaskRectArea);
  for (auto _ : state) {
    const NinePartSkin sized = ResizeLayout(geometry, PW, PH, W, H);
    TBorderStrips strips;
    BuildNinePartMaskStrips(geometry, sized, skin.MaskPicture, W, strips);
    std::optional<QRegion> region = BorderStripsRegion(strips, sized.CR);
    benchmark::DoNotOptimize(region);
  }
}
BENCHMARK(BM_WindowRegion800x600)->Unit(benchmark::kMicrosecond);

}  // namespace
