#include "viewer/font_size.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "platform/fake/fake_disk.h"
#include "viewer_catalogue.h"

namespace lrv::viewer {
namespace {

using Lines = std::vector<std::string>;

TEST(FontSize, ReadsTheBaseSizeFromTheFirstLinesWithDigits) {
  struct Case {
    Lines lines;
    int size;
  };
  const Case cases[] = {
      {{"/* base 10pt */", "body { font-size: 12pt }"}, 10},
      {{"/* base size */", "/* 14 */", "x"}, 14},
      {{"/* no digits */", "/* none */"}, -1},
      {{"/* 10pt */"}, -1},  // a single line is never read
      {{}, -1},
      {{"/* 10pt and 100% */", "x"}, 10100},
      {{"/* 99999999999 */", "/* 12 */"}, 12},  // overflow of line 1: line 2
      {{"/* 99999999999 */", "x"}, -1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.lines.empty() ? std::string("(empty)") : k.lines[0]);
    EXPECT_EQ(ReadFontSize(k.lines), k.size);
  }
  EXPECT_EQ(DigitsOf("a1b2c3"), "123");
  EXPECT_EQ(DigitsOf("abc"), "-1");
}

TEST(FontSize, StepsOnlyTheFirstNumberOfFontSizeLines) {
  Lines lines = {"/* base 10pt */", "body { FONT-SIZE: 10pt; width: 10px }", "margin: 10px;",
                 "font-size: 100%;", "h1 { font-size: calc(10pt + 5pt) }"};
  ReplaceFontSize(lines, 10, NextFontSize(10, true));
  EXPECT_EQ(lines, (Lines{"/* base 10pt */", "body { FONT-SIZE: 11pt; width: 10px }", "margin: 10px;",
                          "font-size: 110%;", "h1 { font-size: calc(11pt + 5pt) }"}));
}

TEST(FontSize, NextSizeNeverZero) {
  EXPECT_EQ(NextFontSize(10, true), 11);
  EXPECT_EQ(NextFontSize(10, false), 9);
  EXPECT_EQ(NextFontSize(1, false), 8);
  EXPECT_EQ(NextFontSize(-1, true), 8);
  EXPECT_EQ(NextFontSize(-1, false), -2);
  EXPECT_EQ(NextFontSize(2147483647, true), 2147483647);
}

TEST(FontSize, StepRewritesTheSheetOnAFixedDiskOnly) {
  testing::TempArchive archive("font_size");
  const Dirs dirs = archive.GetDirs();
  const auto sheet = dirs.BaseFile("css.css");
  FakeDisk disk;
  EXPECT_FALSE(FontSizeCanChange(dirs, disk));
  EXPECT_FALSE(StepFontSize(dirs, disk, true));  // no sheet: nothing happens

  WriteFileAtomic(sheet, "/* 10 */\nbody { font-size: 10pt }\np { margin: 10px }\n");
  disk.fixed = false;
  EXPECT_FALSE(FontSizeCanChange(dirs, disk));
  EXPECT_FALSE(StepFontSize(dirs, disk, true));
  EXPECT_EQ(*ReadFile(sheet), "/* 10 */\nbody { font-size: 10pt }\np { margin: 10px }\n");

  disk.fixed = true;
  ASSERT_TRUE(FontSizeCanChange(dirs, disk));
  ASSERT_TRUE(StepFontSize(dirs, disk, true));
  EXPECT_EQ(*ReadFile(sheet), "/* 10 */\r\nbody { font-size: 11pt }\r\np { margin: 10px }\r\n");
  // The first line names the old size still, so the next step finds no 10
  // in the font-size lines and writes the sheet unchanged.
  ASSERT_TRUE(StepFontSize(dirs, disk, false));
  EXPECT_EQ(*ReadFile(sheet), "/* 10 */\r\nbody { font-size: 11pt }\r\np { margin: 10px }\r\n");

  // A first line that names "font-size" follows every step.
  WriteFileAtomic(sheet, "/* font-size 10 */\nbody { font-size: 10pt }\n");
  ASSERT_TRUE(StepFontSize(dirs, disk, true));
  ASSERT_TRUE(StepFontSize(dirs, disk, true));
  ASSERT_TRUE(StepFontSize(dirs, disk, false));
  EXPECT_EQ(*ReadFile(sheet), "/* font-size 11 */\r\nbody { font-size: 11pt }\r\n");
}

}  // namespace
}  // namespace lrv::viewer
