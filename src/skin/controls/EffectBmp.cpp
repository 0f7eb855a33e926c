// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/controls/EffectBmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/Canvas.h"

std::uint8_t RoundByte(double value) {
  // nearbyint rounds in the default mode: to nearest, ties to even.
  const double r = std::nearbyint(value);
  return std::uint8_t(std::clamp(r, 0.0, 255.0));
}

namespace {

int RoundInt(double value) { return int(std::nearbyint(value)); }
double Clamp01(double k) { return std::clamp(k, 0.0, 1.0); }

// A mixing weight m = Num / Den (0 <= Num <= Den): the gradients' weights are ratios of whole
// numbers, so they are mixed in whole numbers and their halves round exactly.
struct Weight {
  int Num;
  int Den;
};

// Weight of the i-th column (or row) of a soft edge `length` long: i / length, at most 1; an
// edge of length 0 takes `zeroLengthStep` per column instead (also at most 1).
Weight EdgeWeight(int i, int length, int zeroLengthStep) {
  if (length > 0) return {std::min(i, length), length};
  return {std::min(i * zeroLengthStep, 1), 1};
}

// round((Num·v + (Den − Num)·o) / Den), ties to even.
std::uint8_t Mix(std::uint8_t v, std::uint8_t o, Weight m) {
  const long long n = static_cast<long long>(m.Num) * v + static_cast<long long>(m.Den - m.Num) * o;
  long long q = n / m.Den;
  const long long twice = 2 * (n % m.Den);
  if (twice > m.Den || (twice == m.Den && (q & 1))) ++q;
  return std::uint8_t(std::clamp(q, 0LL, 255LL));
}

}  // namespace

void TEffectBmp::Draw(TCanvas& canvas, int x, int y) const { canvas.Draw(x, y, ToImage()); }

template <typename WeightOf>
void TEffectBmp::MixColumns(const TEffectBmp& other, int x0, int x1, WeightOf weight) {
  x0 = std::max(x0, 0);
  x1 = std::min(x1, Width() - 1);
  if (x1 < x0) return;
  std::vector<Weight> m;
  m.reserve(std::size_t(x1 - x0 + 1));
  for (int x = x0; x <= x1; ++x) m.push_back(weight(x));
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* p = Row(y) + 3 * x0;
    const std::uint8_t* o = other.Row(y) + 3 * x0;
    for (const Weight& w : m)
      for (int c = 0; c < 3; ++c, ++p, ++o) *p = Mix(*p, *o, w);
  }
}

template <typename WeightOf>
void TEffectBmp::MixRows(const TEffectBmp& other, int y0, int y1, WeightOf weight) {
  y0 = std::max(y0, 0);
  y1 = std::min(y1, Height() - 1);
  for (int y = y0; y <= y1; ++y) {
    const Weight w = weight(y);
    std::uint8_t* p = Row(y);
    const std::uint8_t* o = other.Row(y);
    for (int i = 0; i < 3 * Width(); ++i) p[i] = Mix(p[i], o[i], w);
  }
}

void TEffectBmp::MorphBlend(const TEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  k = Clamp01(k);
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* p = Row(y);
    const std::uint8_t* o = other.Row(y);
    for (int i = 0; i < 3 * Width(); ++i) p[i] = RoundByte((1.0 - k) * p[i] + k * o[i]);
  }
}

void TEffectBmp::MorphGradient(const TEffectBmp& other, double k) {
  if (!SameSize(other) || Width() == 0 || Height() == 0) return;
  k = Clamp01(k);
  const int W = Width(), H = Height();
  if (W >= H) {
    // A band of "other" about b columns wide grows from the centre with soft edges f wide.
    const int b = RoundInt(W * k);
    const int f = (W - b) / 2;  // step 1 / f, or 1 when f = 0
    const int lo = std::max(0, W / 2 - b / 2);
    const int hi = std::min(W - 1, W / 2 + b / 2);
    MixColumns(other, lo, hi, [](int) { return Weight{0, 1}; });
    MixColumns(other, 0, lo - 1, [&](int x) { return EdgeWeight(lo - x, f, 1); });
    MixColumns(other, hi + 1, W - 1, [&](int x) { return EdgeWeight(x - hi, f, 1); });
  } else {
    // The same on rows, with its own fade length.
    const int n = RoundInt(H * k);
    int e = int(std::floor((H - 1 - n) / 2.0));
    if (n >= H && n % 2 == H % 2) ++e;
    e = std::max(e, 0);  // step 1 / e, or 0 when e = 0
    const int lo = std::max(0, H / 2 - n / 2);
    const int hi = std::min(H - 1, H / 2 + n / 2);
    MixRows(other, lo, hi, [](int) { return Weight{0, 1}; });
    MixRows(other, 0, lo - 1, [&](int y) { return EdgeWeight(lo - y, e, 0); });
    MixRows(other, hi + 1, H - 1, [&](int y) { return EdgeWeight(y - hi, e, 0); });
  }
}

void TEffectBmp::MorphLeftGradient(const TEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  const int a = std::min(std::max(RoundInt(Width() * Clamp01(k)), 1), Width() - 1);
  if (a < 1) return;  // a picture one column wide has no gradient to show
  MixColumns(other, 0, a, [a](int j) { return EdgeWeight(j, a, 1); });
}

void TEffectBmp::MorphRightGradient(const TEffectBmp& other, double k) {
  if (!SameSize(other) || Width() == 0) return;
  const int W = Width();
  const int a = std::clamp(W - RoundInt(W * Clamp01(k)), 0, W - 1);
  const int length = W - a;
  MixColumns(other, a, W - 1, [&](int x) { return EdgeWeight(W - 1 - x, length, 1); });
}

namespace {
// Slide width: round(W·k), at least 1 and at most W − 1 (0 for a one-column picture).
int SlideWidth(int W, double k) { return std::min(std::max(int(std::nearbyint(W * Clamp01(k))), 1), W - 1); }
}  // namespace

void TEffectBmp::MorphLeftSlide(const TEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  const int b = SlideWidth(Width(), k);
  if (b < 1) return;
  for (int y = 0; y < Height(); ++y) std::memcpy(Row(y), other.Row(y) + 3 * (Width() - b), std::size_t(3 * b));
}

void TEffectBmp::MorphRightSlide(const TEffectBmp& other, double k) {
  if (!SameSize(other)) return;
  const int b = SlideWidth(Width(), k);
  if (b < 1) return;
  for (int y = 0; y < Height(); ++y) std::memcpy(Row(y) + 3 * (Width() - b), other.Row(y), std::size_t(3 * b));
}

void TEffectBmp::MorphPush(const TEffectBmp& other, double k) {
  if (!SameSize(other) || Width() == 0) return;
  const int W = Width();
  const int a = std::clamp(RoundInt(W * Clamp01(k)), 0, W - 1);
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* p = Row(y);
    // Push this picture right by a + 1 columns (memmove: the ranges overlap) ...
    if (W - a - 1 > 0) std::memmove(p + 3 * (a + 1), p, std::size_t(3 * (W - a - 1)));
    // ... and fill the freed columns 0..a with the last a + 1 columns of the other.
    std::memcpy(p, other.Row(y) + 3 * (W - a - 1), std::size_t(3 * (a + 1)));
  }
}

void TEffectBmp::Morph(TMorphKind kind, const TEffectBmp& other, double k) {
  switch (kind) {
    case TMorphKind::mkDefault: MorphBlend(other, k); break;
    case TMorphKind::mkGradient: MorphGradient(other, k); break;
    case TMorphKind::mkLeftGradient: MorphLeftGradient(other, k); break;
    case TMorphKind::mkRightGradient: MorphRightGradient(other, k); break;
    case TMorphKind::mkLeftSlide: MorphLeftSlide(other, k); break;
    case TMorphKind::mkRightSlide: MorphRightSlide(other, k); break;
    case TMorphKind::mkPush: MorphPush(other, k); break;
  }
}

namespace {
template <typename F>
void ForEachByte(TEffectBmp& bmp, F f) {
  for (int y = 0; y < bmp.Height(); ++y) {
    std::uint8_t* p = bmp.Row(y);
    for (int i = 0; i < 3 * bmp.Width(); ++i) p[i] = f(p[i]);
  }
}
}  // namespace

void TEffectBmp::Brighten(double x) {
  x = Clamp01(x);
  ForEachByte(*this, [x](std::uint8_t v) { return RoundByte((1.0 - x) * v + 255.0 * x); });
}

void TEffectBmp::Darken(double x) {
  x = Clamp01(x);
  ForEachByte(*this, [x](std::uint8_t v) { return RoundByte((1.0 - x) * v); });
}

void TEffectBmp::Grayscale() {
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* p = Row(y);
    for (int x = 0; x < Width(); ++x, p += 3) {
      const std::uint8_t g = RoundByte(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
      p[0] = p[1] = p[2] = g;
    }
  }
}

void TEffectBmp::Invert() {
  ForEachByte(*this, [](std::uint8_t v) { return std::uint8_t(255 - v); });
}

void TEffectBmp::AddNoise(int amount, QRandomGenerator* random) {
  if (amount < 1) return;
  QRandomGenerator* generator = random ? random : QRandomGenerator::global();
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* p = Row(y);
    for (int x = 0; x < Width(); ++x, p += 3) {
      const int d = int(generator->bounded(amount)) - amount / 2;
      for (int c = 0; c < 3; ++c) p[c] = std::uint8_t(std::clamp(p[c] + d, 0, 255));
    }
  }
}

void TEffectBmp::SplitBlur(int distance) {
  if (distance < 1) return;
  const int W = Width(), H = Height(), a = distance;
  std::vector<std::uint8_t> scratch(std::size_t(3 * W));
  for (int y = 0; y < H; ++y) {
    // Rows above are already blurred; this row is written back only when it is complete.
    const std::uint8_t* r1 = Row(y - a < 0 ? y : y - a);
    const std::uint8_t* r2 = Row(y + a >= H ? y : y + a);
    for (int x = 0; x < W; ++x) {
      const int x1 = 3 * (x - a < 0 ? x : x - a);
      const int x2 = 3 * (x + a >= W ? x : x + a);
      for (int c = 0; c < 3; ++c)
        scratch[std::size_t(3 * x + c)] = std::uint8_t((r1[x1 + c] + r2[x1 + c] + r1[x2 + c] + r2[x2 + c]) >> 2);
    }
    PutRow(y, scratch.data());
  }
}

void TEffectBmp::FlipInto(TEffectBmp& other) const {
  if (!SameSize(other)) return;
  for (int y = 0; y < Height(); ++y) other.PutRow(Height() - 1 - y, Row(y));
}

void TEffectBmp::ApplyInActiveEffect(TSkinEffect effect) {
  switch (effect) {
    case TSkinEffect::ieBrightness: Brighten(0.5); break;
    case TSkinEffect::ieDarkness: Darken(0.3); break;
    case TSkinEffect::ieGrayScale: Grayscale(); break;
    case TSkinEffect::ieNoise: AddNoise(50); break;
    case TSkinEffect::ieSplitBlur: SplitBlur(1); break;
    case TSkinEffect::ieInvert: Invert(); break;
  }
}
