// The build-time asset pipeline (goal: the whole of it in a few seconds, so every build can
// remake the containers): each generator's work without the file writing.

#include <benchmark/benchmark.h>

#include "tools/assetgen/banner_builder.h"
#include "tools/assetgen/font_raster.h"
#include "tools/assetgen/graph_builder.h"
#include "tools/assetgen/image_files.h"
#include "tools/assetgen/sound_synth.h"
#include "tools/assetgen/svg_render.h"

namespace {

void BM_GraphCol(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(
        BuildContainer(BuildGraphRecords(THOUSAND_ASSETS_DIR "/graph/graph.manifest")));
}
BENCHMARK(BM_GraphCol)->Unit(benchmark::kMillisecond);

void BM_FontCol(benchmark::State& state) {
  const std::vector<unsigned char> codes =
      CharsetCodes(ReadFileBytes(THOUSAND_ASSETS_DIR "/font/charset.txt"));
  for (auto _ : state) {
    const TGlyphSet glyphs =
        RenderGlyphs(THOUSAND_FONT_FILE, std::stoi(THOUSAND_FONT_PIXEL_SIZE), codes);
    for (const auto& [code, image] : glyphs.Glyphs) benchmark::DoNotOptimize(EncodeBmp(image));
  }
}
BENCHMARK(BM_FontCol)->Unit(benchmark::kMillisecond);

void BM_ReklCol(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(
        BuildContainer(BuildBannerRecords(THOUSAND_ASSETS_DIR "/banners/banners.manifest")));
}
BENCHMARK(BM_ReklCol)->Unit(benchmark::kMillisecond);

void BM_Sounds(benchmark::State& state) {
  for (auto _ : state)
    for (int i = 0; i < static_cast<int>(SoundFormats().size()); ++i)
      benchmark::DoNotOptimize(SynthesiseSound(i));
}
BENCHMARK(BM_Sounds)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
