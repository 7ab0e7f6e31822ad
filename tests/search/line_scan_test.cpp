#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/text.h"
#include "search/line_scan.h"
#include "search/search_pass.h"
#include "search/words.h"

namespace lrv {
namespace {

// The definition: split into lines, ContainsWord on each.
bool ByLines(std::string_view page, std::string_view needle, bool caseSensitive, bool whole) {
  for (const auto& line : text::SplitLines(page))
    if (ContainsWord(needle, line, caseSensitive, whole)) return true;
  return false;
}

bool Fast(std::string_view page, std::string_view needle, bool caseSensitive, bool whole) {
  SearchNeedles needles;
  needles.words = {std::string(needle)};
  needles.caseSensitive = caseSensitive;
  needles.wholeWords = whole;
  return PageTextMatches(needles, page);
}

TEST(LineScan, AgreesWithTheLineByLineRuleOnGeneratedText) {
  // Few letters, so that needles occur often, several times a line, at
  // line ends and across line breaks; both cases of a Latin and a Cyrillic
  // letter; word and non-word characters; CR LF, lone LF and lone CR.
  const std::string alphabet = text::Ansi("aAbЯя-. \r\n\n\r\n");
  std::mt19937 random(20240611);
  auto pick = [&](std::size_t maxLength) {
    std::string s(random() % (maxLength + 1), ' ');
    for (char& c : s) c = alphabet[random() % alphabet.size()];
    return s;
  };
  int found = 0;
  for (int i = 0; i < 40000; ++i) {
    const std::string page = pick(60);
    const std::string needle = i % 5 == 0 ? page.substr(random() % (page.size() + 1), 1 + random() % 4) : pick(4);
    for (bool caseSensitive : {false, true})
      for (bool whole : {false, true}) {
        const bool expected = ByLines(page, needle, caseSensitive, whole);
        found += expected;
        ASSERT_EQ(Fast(page, needle, caseSensitive, whole), expected)
            << "page [" << page << "] needle [" << needle << "] case " << caseSensitive << " whole " << whole;
      }
  }
  EXPECT_GT(found, 20000);  // the generator exercises both answers
}

TEST(LineScan, LineRules) {
  struct Case {
    const char* page;
    const char* needle;
    bool whole;
    bool expected;
  };
  const Case cases[] = {
      {"ab\r\ncd", "b\r", false, false},         // the CR of CR LF is not part of the line
      {"ab\rcd", "b\rc", false, true},           // a lone CR is
      {"ab\ncd", "b\nc", false, false},          // no needle spans lines
      {"xab ab\nab", "ab", true, true},          // the second line's first occurrence stands alone
      {"xab ab\nxab", "ab", true, false},        // only the first occurrence of each line is judged
      {"ab\r\n", "ab", true, true},              // ends at the line end before CR LF
      {"", "a", false, false},
      {"abc", "", false, false},                 // an empty needle is never found
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Fast(c.page, c.needle, true, c.whole), c.expected) << c.page << " / " << c.needle;
    EXPECT_EQ(ByLines(c.page, c.needle, true, c.whole), c.expected) << c.page << " / " << c.needle;
  }
}

TEST(LineScan, FoldsWithTheSystemCaseTable) {
  for (int c = 0; c < 256; ++c)
    EXPECT_EQ(LowerTable()[c], text::LowerByte(static_cast<unsigned char>(c)));
  EXPECT_TRUE(Fast(text::Ansi("ЁЛКА"), text::Ansi("ёлка"), false, true));
  EXPECT_FALSE(Fast(text::Ansi("ЁЛКА"), text::Ansi("ёлка"), true, true));
}

TEST(LineScan, FoldingABufferAgreesWithTheTableForEveryByteAndPlace) {
  // Every byte value at every position of a block, in buffers of every
  // length around the block size, and blocks with and without the bytes
  // 0x80..0xBF that take the table's path.
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  std::string plain;  // no byte of 0x80..0xBF
  for (int c = 0; c < 256; ++c)
    if (c < 0x80 || c > 0xBF) plain += static_cast<char>(c);
  for (const std::string* source : {&all, &plain}) {
    for (std::size_t shift = 0; shift < 17; ++shift) {
      for (std::size_t length : {std::size_t{0}, std::size_t{15}, std::size_t{16}, std::size_t{33}, source->size()}) {
        std::string buffer = source->substr(shift % source->size()) + source->substr(0, shift % source->size());
        buffer.resize(std::min(length, buffer.size()));
        std::string expected = buffer;
        for (char& ch : expected) ch = static_cast<char>(text::LowerByte(static_cast<unsigned char>(ch)));
        LowerBytes(buffer.data(), buffer.size());
        ASSERT_EQ(buffer, expected) << "shift " << shift << ", length " << length;
      }
    }
  }
}

}  // namespace
}  // namespace lrv
