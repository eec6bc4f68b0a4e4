// Reading the image containers at start-up: the loading window waits for these.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "gfx/gif_decoder.h"
#include "gfx/graph_collection.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scratch_dir.h"
#include "tools/col_writer.h"

namespace {

// Shaped like our graph.col: a JPEG table background and sixty button-sized BMP sprites.
void BM_LoadGraphContainer(benchmark::State& state) {
  std::vector<TColRecord> records{ImageRecord(gkJPEG, 0, "BACK", EncodeJpeg(PatternImage(600, 420), 90))};
  const std::string button = EncodeBmp24(PatternImage(98, 28));
  for (int i = 0; i < 60; ++i) records.push_back(ImageRecord(gkBitmap, 0x00FF00FF, "BT" + std::to_string(i), button));
  TScratchDir dir;
  dir.Write("graph.col", BuildContainer(records));
  TGraphCollection col;
  col.FileName = dir.File("graph.col");
  for (auto _ : state) {
    col.LoadFromFile();
    benchmark::DoNotOptimize(col.Count());
  }
}
BENCHMARK(BM_LoadGraphContainer)->Unit(benchmark::kMillisecond);

// One 468x60 banner of six full frames.
void BM_DecodeBanner(benchmark::State& state) {
  std::vector<TGifFixtureFrame> frames(6, TGifFixtureFrame{.Width = 468, .Height = 60});
  for (std::size_t f = 0; f < frames.size(); ++f)
    for (int i = 0; i < 468 * 60; ++i) frames[f].Indices.push_back(static_cast<std::uint8_t>((i / 7 + f * 31) % 16));
  std::vector<std::uint32_t> palette(16);
  for (std::uint32_t i = 0; i < 16; ++i) palette[i] = i * 0x00101010;
  const std::string gif = EncodeGif(468, 60, palette, frames);
  for (auto _ : state) benchmark::DoNotOptimize(DecodeGif(gif));
}
BENCHMARK(BM_DecodeBanner)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
