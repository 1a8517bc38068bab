// Loading the internal skin, beside copying the master bitmap's pixels.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "pixels/bmp_file.h"
#include "skin/elegant_skin.h"
#include "skin/skin_loader.h"

namespace au {
namespace {

const TsStoredSkins& Stored() {
  static const TsStoredSkins skins{ElegantInternalSkin()};
  return skins;
}

void LoadInternal(benchmark::State& state, std::int32_t hue, std::int32_t saturation) {
  SkinRecords records;
  SkinLoadSettings settings;
  settings.ApplicationFolder = "C:\\NoSuchApp\\";
  settings.SkinDirectory = "c:\\Skins";
  settings.InternalSkins = Stored();
  settings.HueOffset = hue;
  settings.Saturation = saturation;
  for (auto _ : state) {
    std::string name = kElegantSkinName;
    LoadSkinData(records, name, settings);
    records.RecomputeCommonIndexes();
    benchmark::DoNotOptimize(records.Masks.data());
  }
}

void BM_LoadElegantSkin(benchmark::State& state) {
  LoadInternal(state, 0, 0);
}
BENCHMARK(BM_LoadElegantSkin)->Unit(benchmark::kMicrosecond);

void BM_LoadElegantSkinHueAndSaturation(benchmark::State& state) {
  LoadInternal(state, 40, 30);
}
BENCHMARK(BM_LoadElegantSkinHueAndSaturation)->Unit(benchmark::kMicrosecond);

void BM_DecodeMasterBitmap(benchmark::State& state) {
  const TsPictureFile& file = Stored()[0].MasterBitmap;
  for (auto _ : state) benchmark::DoNotOptimize(DecodeBmp(file));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_DecodeMasterBitmap)->Unit(benchmark::kMicrosecond);

// The reference: copying the 24-bit master bitmap once.
void BM_MemcpyMasterBitmap(benchmark::State& state) {
  const std::optional<Bitmap24> master = DecodeBmp(Stored()[0].MasterBitmap);
  const std::size_t bytes = static_cast<std::size_t>(master->Stride()) * master->Height();
  std::vector<std::uint8_t> target(bytes);
  for (auto _ : state) {
    std::memcpy(target.data(), master->Row0(), bytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_MemcpyMasterBitmap)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace au
