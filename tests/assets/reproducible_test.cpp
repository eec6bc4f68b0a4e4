// The containers come out the same, byte for byte, whenever the same sources are built.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/scratch_dir.h"

namespace {

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ReproducibleAssets, GeneratorsRemakeTheBuiltContainersExactly) {
  TScratchDir scratch;
  const std::string out = scratch.Path().string();
  const struct {
    std::string Command, Output;
  } runs[] = {
      {THOUSAND_GRAPH_GEN " " THOUSAND_ASSETS_DIR "/graph/graph.manifest " + out + "/graph.col",
       "graph.col"},
      {THOUSAND_FONT_GEN " " THOUSAND_FONT_FILE " " THOUSAND_FONT_PIXEL_SIZE " " THOUSAND_ASSETS_DIR
                         "/font/charset.txt " +
           out + "/font.col",
       "font.col"},
      {THOUSAND_BANNER_GEN " " THOUSAND_ASSETS_DIR "/banners/banners.manifest " + out + "/rekl.col",
       "rekl.col"},
  };
  for (const auto& run : runs) {
    SCOPED_TRACE(run.Output);
    ASSERT_EQ(std::system(("ASAN_OPTIONS=detect_leaks=0 " + run.Command).c_str()), 0);
    const std::string built = Bytes(std::string(THOUSAND_RUNTIME_DIR) + "/" + run.Output);
    ASSERT_FALSE(built.empty());
    EXPECT_TRUE(Bytes(out + "/" + run.Output) == built);
  }
}

}  // namespace
