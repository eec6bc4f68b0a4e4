#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/cp1251.h"
#include "tests/support/cli_runner.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scratch_dir.h"
#include "tools/col_writer.h"

namespace {

TCliRun RunCol(const std::string& args) { return RunCli("col " + args); }

std::string Banner(int frames, int delay) {
  std::vector<TGifFixtureFrame> list(frames, TGifFixtureFrame{.Width = 2, .Height = 1, .Indices = {0, 1}});
  for (auto& frame : list) frame.Delay = delay;
  list.back().HasControl = false;
  return EncodeGif(2, 1, {0x000000, 0xFFFFFF}, list);
}

}  // namespace

TEST(CliCol, ListsImagesWithNameKindKeyAndSize) {
  TScratchDir dir;
  dir.Write("graph.col", BuildContainer({ImageRecord(gkBitmap, 0x00FF00FF, "BACK", EncodeBmp24(PatternImage(3, 2))),
                                         ImageRecord(gkJPEG, 0x00000001, Cp1251("Фон"), EncodeJpeg(PatternImage(8, 4)))}));
  const std::string file = dir.File("graph.col");
  const TCliRun run = RunCol(file);
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, file + ": 2 images\n"
                            "0\tBACK\tBMP\tkey 00FF00FF\t3x2\n"
                            "1\tФон\tJPEG\tkey 00000001\t8x4\n");
  EXPECT_EQ(RunCol("--images " + file).Out, run.Out);
}

TEST(CliCol, ListsBannersWithRepeatLinkFramesAndDelays) {
  TScratchDir dir;
  dir.Write("rekl.col", BuildContainer({BannerRecord(2, "rules.html", Banner(3, 50)),
                                        BannerRecord(1, "https://example.org/", Banner(1, 7))}));
  const std::string file = dir.File("rekl.col");
  const std::string expected = file + ": 2 banners\n"
                                      "0\trepeat 2\tlink rules.html\t2x1\t3 frames, delays 50 50 -\n"
                                      "1\trepeat 1\tlink https://example.org/\t2x1\t1 frames, delays -\n";
  for (const char* flag : {"", "--banners "}) {
    const TCliRun run = RunCol(flag + file);
    EXPECT_EQ(run.Status, 0) << flag;
    EXPECT_EQ(run.Out, expected) << flag;
  }
}

TEST(CliCol, RefusesWhatItCannotReadOrDecodeWithStatus2) {
  TScratchDir dir;
  const std::string bmp = EncodeBmp24(PatternImage(3, 2));
  const std::string good = BuildContainer({ImageRecord(gkBitmap, 0, "A", bmp)});
  dir.Write("cut.col", good.substr(0, good.size() - 3));
  dir.Write("bad.col", BuildContainer({ImageRecord(gkBitmap, 0, "A", bmp), ImageRecord(gkJPEG, 0, "B", bmp)}));
  dir.Write("images.col", good);
  const struct {
    std::string Args;
    std::string Out;
  } cases[] = {
      {"", ""},
      {dir.File("absent.col"), ""},
      {dir.Path().string(), ""},
      {dir.File("cut.col"), ""},
      {dir.File("bad.col"), ""},
      {"--images " + dir.File("bad.col"), dir.File("bad.col") + ": 1 images\n0\tA\tBMP\tkey 00000000\t3x2\n"},
      {"--banners " + dir.File("images.col"), ""},
      {"--what " + dir.File("images.col"), ""},
  };
  for (const auto& c : cases) {
    const TCliRun run = RunCol(c.Args);
    EXPECT_EQ(run.Status, 2) << c.Args;
    EXPECT_EQ(run.Out, c.Out) << c.Args;
  }
}
