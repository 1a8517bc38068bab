// Pixel primitives on a bitmap of the main window's size (688 x 385) and on a
// large one (1920 x 1080), each beside a memcpy of the same bytes measured in
// the same run. The figures are bytes of picture processed per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "pixels/bitmap_blend.h"
#include "pixels/blend_with_key.h"
#include "pixels/gray_bitmap.h"
#include "pixels/mix_rect_with_color.h"
#include "pixels/paint_gradient.h"

namespace au {
namespace {

// A picture with some variety, and a few magenta pixels for the key.
Bitmap24 Sample(int width, int height) {
  Bitmap24 b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.SetPixel(x, y, (x + y) % 17 == 0 ? clMagenta : MakeColor(x * 7, y * 3, x + y));
  return b;
}

void Account(benchmark::State& state, const Bitmap24& b) {
  state.SetBytesProcessed(std::int64_t(state.iterations()) * 3 * b.Width() * b.Height());
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Args({688, 385})->Args({1920, 1080});
}

void BM_Memcpy(benchmark::State& state) {
  const Bitmap24 source = Sample(int(state.range(0)), int(state.range(1)));
  Bitmap24 target(source.Width(), source.Height());
  const std::size_t bytes = std::size_t(source.Stride()) * source.Height();
  for (auto _ : state) {
    std::memcpy(target.Row0(), source.Row0(), bytes);
    benchmark::ClobberMemory();
  }
  Account(state, source);
}
BENCHMARK(BM_Memcpy)->Apply(Sizes);

void BM_BlendWholeBitmaps(benchmark::State& state) {
  const Bitmap24 source = Sample(int(state.range(0)), int(state.range(1)));
  Bitmap24 target = Sample(source.Width(), source.Height());
  for (auto _ : state) {
    BlendWholeBitmaps(target, source, 128);
    benchmark::ClobberMemory();
  }
  Account(state, source);
}
BENCHMARK(BM_BlendWholeBitmaps)->Apply(Sizes);

void BM_BlendWithKey(benchmark::State& state) {
  const Bitmap24 source = Sample(int(state.range(0)), int(state.range(1)));
  Bitmap24 target = Sample(source.Width(), source.Height());
  const TRect all{0, 0, source.Width() - 1, source.Height() - 1};
  for (auto _ : state) {
    BlendWithKey(target, 0, 0, clMagenta, 0.5, all, source);
    benchmark::ClobberMemory();
  }
  Account(state, source);
}
BENCHMARK(BM_BlendWithKey)->Apply(Sizes);

void BM_MixRectWithColor(benchmark::State& state) {
  Bitmap24 target = Sample(int(state.range(0)), int(state.range(1)));
  const TRect all{0, 0, target.Width() - 1, target.Height() - 1};
  for (auto _ : state) {
    MixRectWithColor(target, all, 50, MakeColor(209, 209, 209));
    benchmark::ClobberMemory();
  }
  Account(state, target);
}
BENCHMARK(BM_MixRectWithColor)->Apply(Sizes);

void BM_GrayBitmap(benchmark::State& state) {
  Bitmap24 target = Sample(int(state.range(0)), int(state.range(1)));
  for (auto _ : state) {
    GrayBitmap(target);
    benchmark::ClobberMemory();
  }
  Account(state, target);
}
BENCHMARK(BM_GrayBitmap)->Apply(Sizes);

// The gradients of the skin's panel (mode 0), a tab (mode 1) and the hint (mode 2).
const TsGradArray kPanel = {{13816530, 11579568, 100, 0, 0}, {11579568, 11579568, 0, 0, 0}};
const TsGradArray kTab = {{15658734, 13619151, 99, 1, 0}, {13619151, 13619151, 0, 1, 0}};
const TsGradArray kHint = {{8437446, 9695999, 24, 2, 0},
                           {9695999, 11466239, 24, 2, 0},
                           {11466239, 14089215, 24, 2, 0},
                           {14089215, 11466239, 24, 2, 0},
                           {11466239, 11466239, 0, 2, 0}};

void PaintGradientBench(benchmark::State& state, const TsGradArray& steps) {
  Bitmap24 target(int(state.range(0)), int(state.range(1)));
  const TRect all{0, 0, target.Width(), target.Height()};
  for (auto _ : state) {
    PaintGradient(target, all, steps);
    benchmark::ClobberMemory();
  }
  Account(state, target);
}
void BM_PaintGradientVertical(benchmark::State& state) {
  PaintGradientBench(state, kPanel);
}
void BM_PaintGradientHorizontal(benchmark::State& state) {
  PaintGradientBench(state, kTab);
}
void BM_PaintGradientTriangles(benchmark::State& state) {
  PaintGradientBench(state, kHint);
}
BENCHMARK(BM_PaintGradientVertical)->Apply(Sizes);
BENCHMARK(BM_PaintGradientHorizontal)->Apply(Sizes);
BENCHMARK(BM_PaintGradientTriangles)->Apply(Sizes);

}  // namespace
}  // namespace au
