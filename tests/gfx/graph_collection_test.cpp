#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/cp1251.h"
#include "gfx/graph_collection.h"
#include "gfx/graph_error.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scratch_dir.h"
#include "tools/col_writer.h"

namespace {

class GraphCollectionTest : public ::testing::Test {
protected:
  std::string Write(const std::vector<TColRecord>& records) {
    FDir.Write("test.col", BuildContainer(records));
    return FDir.File("test.col");
  }

  // Loads and expects an error whose text names the file and contains `detail`.
  void ExpectLoadError(TGraphCollection& col, const std::string& detail) {
    try {
      col.LoadFromFile();
      ADD_FAILURE() << "load succeeded";
    } catch (const TGraphError& e) {
      EXPECT_NE(std::string(e.what()).find(col.FileName), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(detail), std::string::npos) << e.what();
    }
  }

  TScratchDir FDir;
  TFakeMessageBox FBox;
};

const TImage Small = PatternImage(3, 2);
const std::string SmallBmp = EncodeBmp24(Small);

}  // namespace

TEST_F(GraphCollectionTest, LoadsImagesOfBothKindsWithKeysInFileOrder) {
  TGraphCollection col;
  col.FileName = Write({ImageRecord(gkBitmap, 0x00FF00FF, "BACK", SmallBmp),
                        ImageRecord(gkJPEG, 0x00010203, Cp1251("Фон"), EncodeJpeg(PatternImage(8, 8)))});
  int hooks = 0;
  col.AfterRecord = [&] { ++hooks; };
  ASSERT_TRUE(col.LoadFromFile());
  EXPECT_EQ(hooks, 2);
  ASSERT_EQ(col.Count(), 2);
  EXPECT_EQ(col.GetName(0), "BACK");
  EXPECT_EQ(col.GetKind(0), gkBitmap);
  EXPECT_EQ(col.GetColorKey(0), 0x00FF00FFu);
  EXPECT_EQ(col.GetGraphic(0).Pixels, Small.Pixels);
  EXPECT_EQ(col.GetName(1), Cp1251("Фон"));
  EXPECT_EQ(col.GetKind(1), gkJPEG);
  EXPECT_EQ(col.GetColorKey(1), 0x00010203u);
  EXPECT_EQ(col.GetGraphic(1).Width, 8);
  EXPECT_TRUE(FBox.Texts.empty());
}

TEST_F(GraphCollectionTest, MissingEmptyAndUnreadableFiles) {
  TGraphCollection col;
  col.FileName = FDir.File("absent.col");
  EXPECT_FALSE(col.LoadFromFile());
  EXPECT_TRUE(FBox.Texts.empty()) << "a missing file is reported by the caller";

  col.FileName = Write({});
  EXPECT_TRUE(col.LoadFromFile());
  EXPECT_EQ(col.Count(), 0);

  col.FileName = FDir.Path().string();  // a folder opens but cannot be read
  EXPECT_FALSE(col.LoadFromFile());
  ASSERT_EQ(FBox.Texts.size(), 1u);
  EXPECT_EQ(FBox.Texts[0], Cp1251("Ошибка чтения файла ") + col.FileName);
}

TEST_F(GraphCollectionTest, RepeatedNameKeepsFirstImageAndLastColourKey) {
  TGraphCollection col;
  col.FileName = Write({ImageRecord(gkBitmap, 1, "BT_OK", SmallBmp),
                        ImageRecord(gkBitmap, 2, "BT_OK", EncodeBmp24(PatternImage(5, 5))),
                        ImageRecord(gkBitmap, 3, "BT_OK", "not even an image")});
  ASSERT_TRUE(col.LoadFromFile());
  ASSERT_EQ(col.Count(), 1);
  EXPECT_EQ(col.GetGraphic(0).Width, 3);
  EXPECT_EQ(col.GetColorKey(0), 3u);
}

TEST_F(GraphCollectionTest, LookupIsExactAndCaseSensitive) {
  TGraphCollection col;
  col.FileName = Write({ImageRecord(gkBitmap, 0, "BT_OK", SmallBmp), ImageRecord(gkBitmap, 0, "BT_OK1", SmallBmp)});
  ASSERT_TRUE(col.LoadFromFile());
  EXPECT_EQ(col.IndexOfName("BT_OK"), 0);
  EXPECT_EQ(col.IndexOfName("BT_OK1"), 1);
  EXPECT_EQ(col.IndexOfName("bt_ok"), -1);
  EXPECT_EQ(col.IndexOfName("BT_O"), -1);
}

// A bad record stops the load with an error naming the file and the entry; the records
// before it stay, the bad one leaves nothing behind.
TEST_F(GraphCollectionTest, BadRecordFailsTheLoadAfterTheEntriesBeforeIt) {
  const std::string jpeg = EncodeJpeg(PatternImage(8, 8));
  const struct {
    const char* Name;
    TColRecord Bad;
    const char* Detail;
  } cases[] = {
      {"unknown kind", ImageRecord(static_cast<TGraphKind>(3), 0, "KIND3", SmallBmp), "unknown image kind 3"},
      {"metafile", ImageRecord(gkMetafile, 0, "WMF", "\xD7\xCD\xC6\x9A"), "metafiles"},
      {"corrupt BMP", ImageRecord(gkBitmap, 0, "BMP", SmallBmp.substr(0, 40)), "BMP: "},
      {"truncated JPEG", ImageRecord(gkJPEG, 0, "JPG", jpeg.substr(0, jpeg.size() - 2)), "JPEG: "},
      {"BMP data in a JPEG record", ImageRecord(gkJPEG, 0, "MIX", SmallBmp), "JPEG: "},
      {"key shorter than its header", {"\x01\x00", SmallBmp}, "key shorter"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TGraphCollection col;
    col.FileName = Write({ImageRecord(gkBitmap, 7, "FIRST", SmallBmp), c.Bad, ImageRecord(gkBitmap, 0, "LAST", SmallBmp)});
    ExpectLoadError(col, c.Detail);
    ASSERT_EQ(col.Count(), 1);
    EXPECT_EQ(col.GetName(0), "FIRST");
    EXPECT_EQ(col.GetColorKey(0), 7u);
  }
}

TEST_F(GraphCollectionTest, ContainerCutShortIsRejectedWhole) {
  TGraphCollection col;
  col.FileName = Write({ImageRecord(gkBitmap, 0, "A", SmallBmp), ImageRecord(gkBitmap, 0, "B", SmallBmp)});
  std::filesystem::resize_file(col.FileName, std::filesystem::file_size(col.FileName) - 5);
  ExpectLoadError(col, "cut short");
  EXPECT_EQ(col.Count(), 0);
}

TEST_F(GraphCollectionTest, ReloadReplacesEntriesAndAddGraphicSkipsKnownNames) {
  TGraphCollection col;
  col.AddGraphic(gkBitmap, "OLD", SmallBmp);
  col.FileName = Write({ImageRecord(gkBitmap, 5, "NEW", SmallBmp)});
  ASSERT_TRUE(col.LoadFromFile());
  ASSERT_EQ(col.Count(), 1);
  EXPECT_EQ(col.GetName(0), "NEW");

  col.AddGraphic(gkBitmap, "NEW", "not read at all");
  EXPECT_EQ(col.Count(), 1);
  EXPECT_EQ(col.GetColorKey(0), 5u);
  col.SetColorKey(0, 0x00ABCDEF);
  EXPECT_EQ(col.GetColorKey(0), 0x00ABCDEFu);
  EXPECT_EQ(col.GetName(0), "NEW");
}
