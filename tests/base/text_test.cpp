#include "base/text.h"

#include <gtest/gtest.h>

namespace lrv::text {
namespace {

TEST(Cp1251, EveryByteRoundTripsThroughUtf8AndUtf16) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const auto viaUtf8 = Utf8ToCp1251(Cp1251ToUtf8(all));
  ASSERT_TRUE(viaUtf8.has_value());
  EXPECT_EQ(*viaUtf8, all);
  const auto viaUtf16 = Utf16ToCp1251(Cp1251ToUtf16(all));
  ASSERT_TRUE(viaUtf16.has_value());
  EXPECT_EQ(*viaUtf16, all);
}

TEST(Cp1251, KnownLettersAndTheUnassignedByte) {
  struct Case { unsigned char byte; char32_t cp; };
  const Case cases[] = {{0xC0, U'А'}, {0xFF, U'я'}, {0xA8, U'Ё'}, {0xB8, U'ё'},
                        {0xB9, U'№'}, {0x88, U'€'}, {0x98, 0x98}, {0x41, U'A'}};
  for (const auto& c : cases) {
    EXPECT_EQ(CodePointOf(c.byte), c.cp) << int(c.byte);
    EXPECT_EQ(ByteOf(c.cp), c.byte) << int(c.byte);
  }
  EXPECT_EQ(Cp1251ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"), "Привет");
  EXPECT_EQ(Ansi("Привет"), "\xCF\xF0\xE8\xE2\xE5\xF2");
}

TEST(Cp1251, TextsWithoutAWindows1251FormAreRefused) {
  EXPECT_FALSE(Utf8ToCp1251("日本").has_value());
  EXPECT_FALSE(Utf8ToCp1251("\xC3").has_value());          // truncated sequence
  EXPECT_FALSE(Utf8ToCp1251("\xC0\x80").has_value());      // overlong NUL
  EXPECT_FALSE(Utf8ToCp1251("\xED\xA0\x80").has_value());  // surrogate
  EXPECT_FALSE(Utf16ToCp1251(u"\xD83D\xDE00").has_value());
  EXPECT_THROW(Ansi("€ ok, 日 not"), std::logic_error);
}

TEST(CaseTables, EveryCyrillicCapitalLowersAndBack) {
  for (int capital = 0xC0; capital <= 0xDF; ++capital) {
    const auto small = LowerByte(static_cast<unsigned char>(capital));
    EXPECT_EQ(small, capital + 32);
    EXPECT_EQ(UpperByte(small), capital);
  }
  EXPECT_EQ(LowerByte(0xA8), 0xB8);  // Ё
  EXPECT_EQ(UpperByte(0xB8), 0xA8);
  EXPECT_EQ(Lower("ABC xyz"), "abc xyz");
  EXPECT_EQ(Lower(Ansi("ЁЛКА Щ")), Ansi("ёлка щ"));
  EXPECT_EQ(Upper(Ansi("ёлка")), Ansi("ЁЛКА"));
  // Letters without case and digits stay as they are.
  EXPECT_EQ(Lower(Ansi("№1 «x»")), Ansi("№1 «x»"));
}

TEST(CaseTables, NoCaseComparison) {
  EXPECT_TRUE(EqualsNoCase(Ansi("Базы Данных"), Ansi("БАЗЫ данных")));
  EXPECT_FALSE(EqualsNoCase(Ansi("База"), Ansi("Базы")));
  EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
  EXPECT_GT(CompareNoCase("abcd", "ABC"), 0);
  EXPECT_EQ(CompareNoCase("", ""), 0);
}

TEST(Trim, RemovesSpacesAndControlBytesOnly) {
  EXPECT_EQ(Trim(" \t\r\n x y \x01"), "x y");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  // A non-breaking space (0xA0) is a character, not a blank.
  EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");
}

TEST(Lines, SplitAtCrLfOrLfAndJoinWithCrLf) {
  struct Case { std::string in; std::vector<std::string> lines; };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\rb\n", {"a\rb"}},
      {"\n", {""}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.in), c.lines) << c.in;
  EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(Numbers, StrToIntAcceptsWhatTheSystemAccepts) {
  struct Case { const char* in; std::optional<int> value; };
  const Case cases[] = {{"12", 12},      {"  7", 7},   {"-3", -3},       {"+4", 4},
                        {"$1F", 31},     {"7 ", {}},   {"", {}},         {"x", {}},
                        {"--5", {}},     {"2147483647", 2147483647},     {"2147483648", {}},
                        {"-2147483648", -2147483647 - 1}};
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.in), c.value) << c.in;
  EXPECT_EQ(StrToIntDef("abc", 0), 0);
}

}  // namespace
}  // namespace lrv::text
