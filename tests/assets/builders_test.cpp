// The graph and banner builders refuse a bad manifest entry with its file and line.

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>

#include "tests/support/scratch_dir.h"
#include "tools/assetgen/banner_builder.h"
#include "tools/assetgen/graph_builder.h"

namespace {

constexpr const char* TwoFrames =
    "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='4'>"
    "<g id='frame0'><rect width='8' height='4' fill='#102030'/></g>"
    "<g id='frame1'><rect width='8' height='4' fill='#302010'/></g></svg>";
constexpr const char* Labelled =
    "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='4'>"
    "<g id='normal'><rect width='8' height='4'/><text>{{LABEL}}</text></g>"
    "<g id='pressed'><rect width='8' height='4'/></g><g id='disabled'><rect width='8' "
    "height='4'/></g>"
    "<text>{{LABLE}}</text></svg>";

void Write(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The message of the error a build gives, or "" when it succeeds.
template <typename TBuild>
std::string ErrorOf(TBuild build) {
  try {
    build();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "";
}

TEST(AssetBuilders, RefuseBadGraphEntriesNamingTheLine) {
  TScratchDir dir;
  Write(dir.Path() / "frames.svg", TwoFrames);
  Write(dir.Path() / "labelled.svg", Labelled);
  const struct {
    const char* Entry;
    const char* Reason;
  } cases[] = {
      {"sprite X nowhere frames.svg#frame0", "unknown background"},
      {"states A|B felt labelled.svg Ok", "three names"},
      {"states A|B|C|D felt labelled.svg Ok", "three names"},
      {"states A|B|C felt labelled.svg Ok", "{{LABLE}}"},
      {"sprite X felt frames.svg#frame7", "no element"},
      {"picture P 90 missing.svg", "cannot open"},
      {"picture P", "malformed"},
      {"frobnicate X", "malformed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Entry);
    const std::string manifest = (dir.Path() / "graph.manifest").string();
    Write(manifest, "# sprites\nbackground felt 1d5a3b\n" + std::string(c.Entry) + "\n");
    const std::string error = ErrorOf([&] { BuildGraphRecords(manifest); });
    EXPECT_NE(error.find(manifest + ":3:"), std::string::npos) << error;
    EXPECT_NE(error.find(c.Reason), std::string::npos) << error;
  }
}

TEST(AssetBuilders, BannerFramesMustMatchTheirDelays) {
  TScratchDir dir;
  Write(dir.Path() / "b.svg", TwoFrames);
  const std::string manifest = (dir.Path() / "banners.manifest").string();
  const struct {
    const char* Entry;
    const char* Reason;  // "" for a banner that builds
  } cases[] = {
      {"banner 2 rules.html b.svg 10 20", ""},
      {"banner 2 rules.html b.svg 10", "more frames than delays"},
      {"banner 2 rules.html b.svg 10 20 30", "no element"},
      {"banner 2 rules.html", "expected"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Entry);
    Write(manifest, std::string(c.Entry) + "\n");
    const std::string error = ErrorOf([&] { BuildBannerRecords(manifest); });
    if (*c.Reason == '\0') {
      EXPECT_EQ(error, "");
    } else {
      EXPECT_NE(error.find(manifest + ":1:"), std::string::npos) << error;
      EXPECT_NE(error.find(c.Reason), std::string::npos) << error;
    }
  }
}

}  // namespace
