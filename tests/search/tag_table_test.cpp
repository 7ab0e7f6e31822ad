// The tag, attribute and event names that are never highlighted.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/text.h"
#include "search/tag_table.h"

namespace lrv {
namespace {

TEST(TagTable, HoldsEveryTagOnceInTableOrder) {
  const auto& table = TagTable();
  ASSERT_EQ(table.size(), 112u);
  EXPECT_EQ(table.front().name, "HTML");
  EXPECT_EQ(table[3].name, "!DOCTYPE");
  EXPECT_EQ(table[37].name, "!-- --");
  EXPECT_EQ(table.back().name, "SPACER");
  std::set<std::string> names;
  for (const auto& rec : table) {
    EXPECT_EQ(rec.name, text::Upper(rec.name));
    names.insert(rec.name);
  }
  EXPECT_EQ(names.size(), table.size());
}

TEST(TagTable, NameListsAreDistinctAndLowerCase) {
  for (auto list : {TagAttributeNames(), TagEventNames()}) {
    std::set<std::string_view> seen(list.begin(), list.end());
    EXPECT_EQ(seen.size(), list.size());
    for (auto name : list) EXPECT_EQ(name, text::Lower(name));
  }
  EXPECT_EQ(TagAttributeNames().size(), 152u);
  EXPECT_EQ(TagEventNames().size(), 59u);
}

struct NameCase {
  const char* word;
  bool tag, attribute, event;
};

TEST(TagTable, AnswersInAnyLetterCase) {
  const NameCase cases[] = {
      {"table", true, false, false},     {"B", true, false, false},
      {"!doctype", true, false, false},  {"!-- --", true, false, false},
      {"h1", true, false, false},        {"Title", true, true, false},
      {"span", true, true, false},       {"COLOR", false, true, false},
      {"text", false, true, false},      {"name", false, true, false},
      {"value", false, true, false},     {"data", false, true, false},
      {"http-equiv", false, true, false}, {"z-index", false, true, false},
      {"maxlenght", false, true, false}, {"stanby", false, true, false},
      {"OnClick", false, false, true},   {"onreadystatechange", false, false, true},
      // The usual spellings are not in the table, nor are near misses.
      {"maxlength", false, false, false}, {"standby", false, false, false},
      {"onclic", false, false, false},   {"tables", false, false, false},
      {"forms", false, false, false},    {"", false, false, false},
      {" table", false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(IsTagName(c.word), c.tag);
    EXPECT_EQ(IsTagAttribute(c.word), c.attribute);
    EXPECT_EQ(IsTagEvent(c.word), c.event);
  }
}

TEST(TagTable, CyrillicLookAlikesAreNotNames) {
  // "В" is the Cyrillic capital Ve, not the Latin B.
  EXPECT_FALSE(IsTagName(text::Ansi("В")));
  EXPECT_FALSE(IsTagName(text::Ansi("Р")));
}

}  // namespace
}  // namespace lrv
