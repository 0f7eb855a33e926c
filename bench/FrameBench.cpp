// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The frame engine's hot paths on an off-screen window with the program's skin: a whole frame
// paint (the console's size and a large window), one hit test, one frame-size answer, one hover
// morph step of a caption button with its repaint, and rolling the window up and down.
#include <benchmark/benchmark.h>

#include "platform/NonClientMessages.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinData.h"
#include "skin/form/SkinForm.h"

namespace {

struct SkinnedWindow {
  TForm form;
  TSkinForm engine{&form};
  TCompressedStoredSkin stored;
  TSkinData skin;

  SkinnedWindow(int width, int height) {
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    form.SetCaption(QStringLiteral("Lumetra2.0版"));
    engine.SetBorderIcons(biRollUp);
    engine.SetSkinData(&skin);
    stored.SetCompressedData(StoredSkinCompressedData());
    skin.SetCompressedStoredSkin(&stored);
    form.SetBounds(0, 0, width, height);
    form.Perform(WM_ACTIVATE, 1, 0);
  }
};

void BM_PaintFrame(benchmark::State& state) {
  SkinnedWindow window(int(state.range(0)), int(state.range(1)));
  for (auto _ : state) {
    window.engine.PaintFrame();
    benchmark::DoNotOptimize(window.form.FrameImage().constBits());
  }
}
BENCHMARK(BM_PaintFrame)->Args({555, 392})->Args({1280, 800})->Unit(benchmark::kMicrosecond);

void BM_HitTestSkinned(benchmark::State& state) {
  SkinnedWindow window(555, 392);
  for (auto _ : state) benchmark::DoNotOptimize(window.engine.HitTestSkinned({60, 25}));
}
BENCHMARK(BM_HitTestSkinned);

void BM_NcCalcSize(benchmark::State& state) {
  SkinnedWindow window(555, 392);
  for (auto _ : state) {
    TNCCalcSizeParams params;
    params.rgrc[0] = {0, 0, 555, 392};
    window.form.Perform(WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&params));
    benchmark::DoNotOptimize(params.rgrc[0]);
  }
}
BENCHMARK(BM_NcCalcSize);

// One step of the close button's hover morph: the blend of its two looks and the repaint of the
// button alone, from the middle of the morph so that every step draws a blend.
void BM_CaptionButtonMorphStep(benchmark::State& state) {
  SkinnedWindow window(555, 392);
  TActiveSkinObject* close = nullptr;
  for (const auto& object : window.engine.ObjectList())
    if (object->Command() == SkinCommand::cmClose) close = object.get();
  close->Active = true;
  for (auto _ : state) {
    close->Morph.JumpTo(false);
    close->Morph.StepTowards(true);
    close->Morph.StepTowards(true);
    close->MorphStep();
    benchmark::DoNotOptimize(window.form.FrameImage().constBits());
  }
}
BENCHMARK(BM_CaptionButtonMorphStep)->Unit(benchmark::kMicrosecond);

// Rolling up to the frame and back: two resizes, each with its layout, region and frame paint.
void BM_RollUpAndUnroll(benchmark::State& state) {
  SkinnedWindow window(555, 392);
  for (auto _ : state) {
    window.engine.SetRollUp(true);
    window.engine.SetRollUp(false);
  }
  if (window.form.Height() != 392) state.SkipWithError("the window did not come back to its height");
}
BENCHMARK(BM_RollUpAndUnroll)->Unit(benchmark::kMicrosecond);

}  // namespace
