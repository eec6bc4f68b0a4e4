#include <gtest/gtest.h>

#include <string>

#include "gfx/container_records.h"
#include "gfx/graph_error.h"
#include "tools/col_writer.h"

using namespace std::string_literals;

TEST(ContainerWriter, WritesLengthPrefixedLittleEndianRecords) {
  const std::string bytes = BuildContainer({ImageRecord(gkJPEG, 0x00A1B2C3, "AB", "xyz")});
  const std::string expected =
      "\x07\x00\x00\x00"s "\x02\xC3\xB2\xA1\x00" "AB"s "\x03\x00\x00\x00"s "xyz";
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(BuildContainer({}), "");
}

TEST(ContainerRecords, RoundTripKeysAndDataInOrder) {
  const std::string bytes = BuildContainer({
      ImageRecord(gkBitmap, 0x00FF00FF, "BT_OK", "first"),
      BannerRecord(3, "rules.html", "GIF89a..."),
      ImageRecord(gkMetafile, 0, "", ""),
  });
  const auto records = SplitContainer(bytes, "x.col");
  ASSERT_EQ(records.size(), 3u);

  const auto image = ParseImageKey(records[0].Key);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Kind, gkBitmap);
  EXPECT_EQ(image->ColorKey, 0x00FF00FFu);
  EXPECT_EQ(image->Name, "BT_OK");
  EXPECT_EQ(records[0].Data, "first");

  const auto banner = ParseBannerKey(records[1].Key);
  ASSERT_TRUE(banner);
  EXPECT_EQ(banner->RepeatCount, 3u);
  EXPECT_EQ(banner->Link, "rules.html");
  EXPECT_EQ(records[1].Data, "GIF89a...");

  const auto empty = ParseImageKey(records[2].Key);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Name, "");
  EXPECT_EQ(records[2].Data, "");
}

TEST(ContainerRecords, KeysTooShortForTheirLayoutAreRefused) {
  EXPECT_FALSE(ParseImageKey("\x01\x00\x00\x00"s));
  EXPECT_FALSE(ParseBannerKey("\x01\x00\x00"s));
  EXPECT_TRUE(ParseBannerKey("\x01\x00\x00\x00"s));
}

// Every cut of a two-record container: whole records survive, a lone trailing byte is
// ignored, and any cut inside a record rejects the file with its name in the message.
TEST(ContainerRecords, ContainerCutShortInsideARecordIsRejectedWhole) {
  const std::string first = BuildContainer({ImageRecord(gkBitmap, 1, "A", "12345")});
  const std::string bytes = first + BuildContainer({ImageRecord(gkBitmap, 2, "B", "678")});
  for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
    SCOPED_TRACE("cut at " + std::to_string(cut));
    const std::string_view part = std::string_view(bytes).substr(0, cut);
    if (cut <= 1 || cut == first.size() || cut == first.size() + 1) {
      EXPECT_EQ(SplitContainer(part, "cut.col").size(), cut <= 1 ? 0u : 1u);
      continue;
    }
    try {
      SplitContainer(part, "cut.col");
      ADD_FAILURE() << "accepted";
    } catch (const TGraphError& e) {
      EXPECT_NE(std::string(e.what()).find("cut.col"), std::string::npos) << e.what();
    }
  }
}

TEST(ContainerRecords, HugeAnnouncedLengthIsRejected) {
  const std::string bytes = "\xFF\xFF\xFF\xFF"s "abc";
  EXPECT_THROW(SplitContainer(bytes, "huge.col"), TGraphError);
}
