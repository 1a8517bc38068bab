// Nine-piece borders of the internal skin drawn at the sizes the main window
// uses (a 121 x 22 speed button, the 688 x 385 panel), each beside a memcpy of
// the same picture's bytes measured in the same run. The figures are bytes of
// target picture per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "paint/masks/draw_border_mask.h"
#include "skin/elegant_skin.h"
#include "skin/skin_manager.h"

namespace au {
namespace {

// The internal skin, loaded once by a manager as the program loads it.
const TsSkinManager& Skin() {
  static const std::unique_ptr<TsSkinManager> manager = [] {
    auto m = std::make_unique<TsSkinManager>(nullptr);
    m->SetSkinDirectory("/no skins folder/");
    m->SetInternalSkins({ElegantInternalSkin()});
    m->SetSkinName(kElegantSkinName);
    return m;
  }();
  return *manager;
}

const TsMaskData& BorderOf(const char* section) {
  const TsSkinManager& skin = Skin();
  return skin.Masks().at(static_cast<std::size_t>(skin.MaskIndexByNames(section, "BORDERSMASK")));
}

// The parent's picture behind the control, as a panel offers it to its buttons.
Bitmap24& ParentCache() {
  static Bitmap24 parent = [] {
    Bitmap24 b(688, 385);
    b.Fill(MakeColor(212, 208, 200));
    return b;
  }();
  return parent;
}

void Account(benchmark::State& state, const Bitmap24& b) {
  state.SetBytesProcessed(std::int64_t(state.iterations()) * 3 * b.Width() * b.Height());
}

void BM_Memcpy(benchmark::State& state) {
  Bitmap24 source(int(state.range(0)), int(state.range(1)));
  Bitmap24 target(source.Width(), source.Height());
  const std::size_t bytes = std::size_t(source.Stride()) * source.Height();
  for (auto _ : state) {
    std::memcpy(target.Row0(), source.Row0(), bytes);
    benchmark::ClobberMemory();
  }
  Account(state, target);
}
BENCHMARK(BM_Memcpy)->Args({121, 22})->Args({688, 385});

void DrawBorder(benchmark::State& state, const char* section, bool fillCentre, int stateIndex) {
  const TsMaskData& mask = BorderOf(section);
  Bitmap24 target(int(state.range(0)), int(state.range(1)));
  target.Fill(MakeColor(212, 208, 200));
  const TCacheInfo cache{&ParentCache(), 12, 9, true};
  const TRect all{0, 0, target.Width(), target.Height()};
  for (auto _ : state) {
    DrawBorderMask(target, all, fillCentre, true, stateIndex, mask, cache);
    benchmark::ClobberMemory();
  }
  Account(state, target);
}

// A speed button: three weighted images, the hot one, centre filled.
void BM_SpeedButtonBorder(benchmark::State& state) {
  DrawBorder(state, "SPEEDBUTTON", true, 1);
}
BENCHMARK(BM_SpeedButtonBorder)->Args({121, 22});

// The panel's weighted frame alone, then with its centre tiled as well.
void BM_PanelFrame(benchmark::State& state) {
  DrawBorder(state, "PANEL", false, 0);
}
BENCHMARK(BM_PanelFrame)->Args({688, 385});
void BM_PanelFrameAndCentre(benchmark::State& state) {
  DrawBorder(state, "PANEL", true, 0);
}
BENCHMARK(BM_PanelFrameAndCentre)->Args({688, 385});

// A keyed frame with stretched sides (the dialog's) and a keyed tiled one (the memo's).
void BM_StretchedKeyedFrame(benchmark::State& state) {
  DrawBorder(state, "DIALOG", false, 0);
}
BENCHMARK(BM_StretchedKeyedFrame)->Args({688, 385});
void BM_TiledKeyedFrame(benchmark::State& state) {
  DrawBorder(state, "EDIT", false, 0);
}
BENCHMARK(BM_TiledKeyedFrame)->Args({688, 385});

}  // namespace
}  // namespace au
