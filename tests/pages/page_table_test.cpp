#include "pages/page_table.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace lrv::pages {
namespace {

using text::Ansi;

TEST(PageTable, LookupsTakeTheFirstRowWithoutRegardToCase) {
  const auto& table = BuildPageTable();
  EXPECT_EQ(table[0].Title, Ansi("Все статьи"));
  EXPECT_EQ(table[11].PageFile, "_files_.html");
  struct Case { const char* title; const char* file; };
  for (const Case c : {Case{"Базы данных", "_db_.html"}, Case{"БАЗЫ ДАННЫХ", "_db_.html"},
                       Case{"Рейтинг авторов", "_authors_.html"}, Case{"Алгоритмы", "_temp_.html"},
                       Case{" Базы данных", "_temp_.html"}})  // no trimming
    EXPECT_EQ(PageFileForTitle(Ansi(c.title)), c.file) << c.title;
  // Both authors rows share a file; the first one names it.
  EXPECT_EQ(GeneratedPageTitle("C:\\Lrv\\base\\_AUTHORS_.html"), Ansi("Все авторы"));
  EXPECT_EQ(GeneratedPageTitle("/home/u/base/_os_.html"), Ansi("ОС и Железо"));
  EXPECT_EQ(GeneratedPageTitle("/home/u/base/sql_joins.html"), "");
  EXPECT_EQ(PageKeywords(Ansi("нет такой")), table[0].Keywords);
}

}  // namespace
}  // namespace lrv::pages
