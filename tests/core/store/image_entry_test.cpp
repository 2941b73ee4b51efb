#include "core/store/image_entry.h"

#include <gtest/gtest.h>

#include "core/text/str_to_int.h"

namespace zelvan::store {
namespace {

struct EntryCase {
  const char* value;
  TEntryForm form;
  paint::TRect r;
  int count, mask, border, mode;
  TacImgType type;
};

class ImageEntries : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ImageEntries, ReadEachForm) {
  const EntryCase& c = GetParam();
  const TImageEntry e = ParseImageEntry(c.value);
  EXPECT_EQ(e.Form, c.form);
  EXPECT_EQ(e.R, c.r);
  EXPECT_EQ(e.ImageCount, c.count);
  EXPECT_EQ(e.MaskType, c.mask);
  EXPECT_EQ(e.BorderWidth, c.border);
  EXPECT_EQ(e.DrawMode, c.mode);
  EXPECT_EQ(e.ImgType, c.type);
}

using F = TEntryForm;
INSTANTIATE_TEST_SUITE_P(
    Table, ImageEntries,
    ::testing::Values(
        EntryCase{"@0010,0020,0050,0040,3,1", F::efGlyph, {10, 20, 50, 40}, 3, 1, 0, 0, itisaGlyph},
        EntryCase{"^0000,0000,0090,0060,0000,0000,0000,0000,3,1,2,0", F::efBorder, {0, 0, 90, 60}, 3, 1, 0, 2,
                  itisaBorder},
        EntryCase{"~0005,0006,0105,0106,12,1", F::efTexture, {5, 6, 105, 106}, 1, 1, 0, 12, itisaTexture},
        EntryCase{"~0005,0006,0105,0106,12", F::efTexture, {5, 6, 105, 106}, 1, 0, 0, 12, itisaTexture},
        EntryCase{"# (10,0,70,20) (3,1,4,1)", F::efRectangle, {10, 0, 70, 20}, 3, 1, 4, 1, itisaBorder},
        EntryCase{"# (10,0,70,20) (0,-2)", F::efRectangle, {10, 0, 70, 20}, 1, 0, 0, 1, itisaBorder},
        EntryCase{"!btn.png!4!1!4", F::efExternalFile, {}, 4, 1, 0, 1, itisaPngGlyph},
        EntryCase{"!btn.png!4!1!9!1!2!3!4!0", F::efExternalFile, {}, 4, 1, 0, 0, itisaPngGlyph},
        EntryCase{"!btn.png!4!1!-3", F::efExternalFile, {}, 4, 1, 0, 1, itisaBorder},
        EntryCase{"!btn.png!4!1!x", F::efExternalFile, {}, 4, 1, 0, 1, itisaBorder},
        EntryCase{"edit.bmp", F::efBitmapFile, {}, 3, 1, 0, 0, itisaBorder},
        EntryCase{"# (-2147483648,0,2147483647,9)", F::efRectangle, {-(1 << 24), 0, 1 << 24, 9}, 1, 0, 0, 1,
                  itisaBorder},
        EntryCase{"#", F::efNone, {}, 0, 0, 0, 0, itisaBorder},
        EntryCase{"16777215", F::efNone, {}, 0, 0, 0, 0, itisaBorder},
        EntryCase{"back.jpg", F::efNone, {}, 0, 0, 0, 0, itisaBorder}));

TEST(ImageEntry, ExternalFileMarginsAreAllFourOrNone) {
  const TImageEntry four = ParseImageEntry("!a.BMP!3!0!0!1!2!3!4");
  EXPECT_TRUE(four.HasMargins);
  EXPECT_EQ((std::vector<int>{four.WL, four.WT, four.WR, four.WB}), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_FALSE(ParseImageEntry("!a.BMP!3!0!0!1!2!3").HasMargins);
}

TEST(ImageEntry, UnreadableFixedColumnsRaiseConversionErrors) {
  for (const char* value : {"@00x0,0020,0050,0040,3,1", "@0010,0020", "^0000,0000,0090,0060,0000,0000,0000,0000,3,1,2",
                            "~0005,0006,0105,0106", "# (1,2,3,4) (1,0,x)", "# (1,2,3,4) (1,0,0,y)"}) {
    EXPECT_THROW(ParseImageEntry(value), text::EConvertError) << value;
  }
}

}  // namespace
}  // namespace zelvan::store
