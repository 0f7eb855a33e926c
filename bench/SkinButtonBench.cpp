// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console's skinned button with the program's own skin: one paint of its face with the
// caption (what every hover, press and release costs), and one frame of the hover fade (paid
// every 20 ms for five frames when the pointer comes or goes), also the mix alone.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEnterEvent>

#include "skin/controls/EffectBmp.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinDrawThreePart.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinData.h"

namespace {

struct SkinnedButton {
  SkinnedButton() {
    stored.SetCompressedData(StoredSkinCompressedData());
    skin.SetCompressedStoredSkin(&stored);
    button.SetBounds(0, 0, 75, 25);
    button.SetSkinData(&skin);
    button.SetCaption(QStringLiteral("调入文件"));
  }
  TCompressedStoredSkin stored;
  TSkinData skin;
  TSkinButton button;
};

void BM_SkinButtonPaint(benchmark::State& state) {
  SkinnedButton b;
  for (auto _ : state) benchmark::DoNotOptimize(b.button.PaintToImage());
}
BENCHMARK(BM_SkinButtonPaint)->Unit(benchmark::kMicrosecond);

// A paint halfway through the fade: both faces drawn with the caption, then mixed.
void BM_SkinButtonMorphFramePaint(benchmark::State& state) {
  SkinnedButton b;
  b.button.show();
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(&b.button, &enter);
  QElapsedTimer clock;
  clock.start();
  while (b.button.MorphProgress() < 0.4 && clock.elapsed() < 2000) QCoreApplication::processEvents();
  if (b.button.MorphProgress() <= 0 || b.button.MorphProgress() >= 1) {
    state.SkipWithError("the hover fade did not start");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(b.button.PaintToImage());
}
BENCHMARK(BM_SkinButtonMorphFramePaint)->Unit(benchmark::kMicrosecond);

// The mix alone, for each kind of morph, on two 75 × 21 faces.
void BM_SkinButtonMorphMix(benchmark::State& state) {
  SkinnedButton b;
  const TBitmap& picture = *b.skin.ActivePictures[4];
  TBitmap normal, active;
  DrawHorzThreePartSkin(4, 6, normal, false, 75, Rect(0, 0, 24, 21), picture);
  DrawHorzThreePartSkin(4, 6, active, false, 75, Rect(48, 0, 72, 21), picture);
  const TEffectBmp target(active);
  const auto kind = static_cast<TMorphKind>(state.range(0));
  for (auto _ : state) {
    TEffectBmp mixed(normal);
    mixed.Morph(kind, target, 0.4);
    benchmark::DoNotOptimize(mixed.Row(0));
  }
}
BENCHMARK(BM_SkinButtonMorphMix)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

}  // namespace
