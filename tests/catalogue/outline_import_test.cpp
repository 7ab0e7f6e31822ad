#include <gtest/gtest.h>

#include <set>

#include "catalogue/catalogue_json.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/outline_import.h"
#include "platform/fake/fake_prompter.h"
#include "test_support.h"

namespace lrv {
namespace {

using test::A;
using test::Titles;

namespace fs = std::filesystem;
const fs::path kOutlines = fs::path(LRV_FIXTURES_DIR) / "outline";

// ---------------------------------------------------------------- one line

struct LineCase {
  const char* name;
  std::string line;
  OutlineLineKind kind;
  std::string title;
  std::string fileName;
};

class OutlineLineParse : public ::testing::TestWithParam<LineCase> {};

TEST_P(OutlineLineParse, ClassifiesByTabsAndSplitsAtTheBar) {
  const LineCase& k = GetParam();
  const OutlineLine parsed = ParseOutlineLine(k.line);
  EXPECT_EQ(parsed.kind, k.kind);
  EXPECT_EQ(parsed.title, k.title);
  EXPECT_EQ(parsed.fileName, k.fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutlineLineParse,
    ::testing::Values(
        LineCase{"CategoryKeepsTrailingSpaces", "Nets  ", OutlineLineKind::Category, "Nets  ", ""},
        LineCase{"EmptyLineIsACategory", "", OutlineLineKind::Category, "", ""},
        LineCase{"SubcategoryLosesItsFirstCharacter", "\t Protocols ", OutlineLineKind::Subcategory, " Protocols ",
                 ""},
        LineCase{"TabsApartMakeASubcategory", "x\ty\tz", OutlineLineKind::Subcategory, "\ty\tz", ""},
        LineCase{"ArticleTrimmed", "\t\t  TCP/IP  |  page.html  ", OutlineLineKind::Article, "TCP/IP", "page.html"},
        LineCase{"ArticleWithoutSpaces", "\t\tA|b.html", OutlineLineKind::Article, "A", "b.html"},
        LineCase{"OnlyTheFirstBarSplits", "\t\tA | b|c.html", OutlineLineKind::Article, "A", "b|c.html"},
        LineCase{"NoFileAfterTheBar", "\t\tTitle | ", OutlineLineKind::Article, "Title", ""},
        LineCase{"NoBarGivesAnEmptyTitle", "\t\tpage.html ", OutlineLineKind::Article, "", "page.html"},
        LineCase{"BarFirstGivesAnEmptyTitle", "|\t\tpage.html", OutlineLineKind::Article, "", "page.html"},
        LineCase{"BarSecondGivesAnEmptyTitle", "\t|\tx\t\t", OutlineLineKind::Article, "", "x"},
        LineCase{"BarThirdGivesAnEmptyTitle", "\t\t|b.html", OutlineLineKind::Article, "", "b.html"},
        LineCase{"TwoTabsAnywhere", "Title\t\t| f.html", OutlineLineKind::Article, "tle", "f.html"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- the import engine

OutlineImportResult Import(Catalogue& c, std::vector<std::string> lines, std::set<std::string> files = {}) {
  return ImportOutlineLines(c, lines, [&files](const std::string& name) { return files.count(name) > 0; });
}

TEST(OutlineImport, OneCategoryWithoutSubcategoriesCountsZero) {
  Catalogue c;
  const auto result = Import(c, {"Only"});
  ASSERT_EQ(c.RootCount(), 1);
  EXPECT_EQ(c.Root(0)->Values(), (std::vector<std::string>{"Only", "0"}));
  EXPECT_TRUE(result.imported);
  EXPECT_FALSE(result.problems);
}

TEST(OutlineImport, ASubcategoryWhoseArticlesAllLackFilesStaysWithCountZero) {
  Catalogue c;
  const auto result = Import(c, {"C", "\tS", "\t\tX | x.html", "\t\tY | y.html", "\tT", "\t\tZ | z.html"}, {"z.html"});
  EXPECT_EQ(c.Root(0)->Value(ColCount), "2");
  EXPECT_EQ(c.Root(0)->Child(0)->Value(ColCount), "0");
  EXPECT_EQ(c.Root(0)->Child(1)->Value(ColCount), "1");
  EXPECT_EQ(result.missing, (std::vector<std::string>{"X [x.html]", "Y [y.html]"}));
  EXPECT_TRUE(result.problems);
}

TEST(OutlineImport, ABlankLineStartsACategoryThatTakesTheFollowingSubcategories) {
  Catalogue c;
  Import(c, {"C", "\tS", "", "\tT", "\tU"});
  EXPECT_EQ(Titles(c, nullptr), (std::vector<std::string>{"C", ""}));
  EXPECT_EQ(Titles(c, c.Root(1)), (std::vector<std::string>{"T", "U"}));
  EXPECT_EQ(c.Root(0)->Value(ColCount), "1");
  EXPECT_EQ(c.Root(1)->Value(ColCount), "2");
}

TEST(OutlineImport, LinesWithoutAPlaceAreReportedAndSkipped) {
  Catalogue c;
  const auto result = Import(c,
                             {"\tEarly subcategory", "\t\tEarly | a.html", "C", "\t\tNo subcategory yet | a.html",
                              "\tS", "\t\tFine | a.html"},
                             {"a.html"});
  EXPECT_EQ(result.unplaced,
            (std::vector<std::string>{"Early subcategory", "Early | a.html", "No subcategory yet | a.html"}));
  EXPECT_EQ(Titles(c, nullptr), (std::vector<std::string>{"C"}));
  EXPECT_EQ(Titles(c, c.Root(0)->Child(0)), (std::vector<std::string>{"Fine"}));
  EXPECT_TRUE(result.problems);
}

// A forbidden character would break the undo journal's fields: such an
// entry is left out with everything below it.
TEST(OutlineImport, TitlesWithForbiddenCharactersAreLeftOutWithTheirContents) {
  Catalogue c;
  const auto result =
      Import(c, {"Bad*cat", "\tIts sub", "\t\tIts article | a.html", "Good", "\tBad^sub", "\t\tUnder bad | a.html",
                 "\tSub", "\t\tBad~article | a.html", "\t\tBad`article | a.html", "\t\tOk | a.html"},
             {"a.html"});
  EXPECT_EQ(result.unplaced,
            (std::vector<std::string>{"Bad*cat", "Its sub", "Its article | a.html", "Bad^sub", "Under bad | a.html",
                                      "Bad~article | a.html", "Bad`article | a.html"}));
  EXPECT_EQ(Titles(c, nullptr), (std::vector<std::string>{"Good"}));
  EXPECT_EQ(c.Root(0)->Value(ColCount), "1");
  EXPECT_EQ(Titles(c, c.Root(0)->Child(0)), (std::vector<std::string>{"Ok"}));
  ForEachNodeOfThreeLevels(c, [](const CatalogueNode* n) { EXPECT_FALSE(HasForbiddenTitleChar(n->Title())); });
}

TEST(OutlineImport, AnArticleWithoutAFileNameIsNoNameNotMissing) {
  Catalogue c;
  const auto result = Import(c, {"C", "\tS", "\t\tNameless |  "});
  EXPECT_EQ(result.noName, (std::vector<std::string>{"Nameless"}));
  EXPECT_TRUE(result.missing.empty());
}

TEST(OutlineImport, AnEmptyListImportsNothingWithoutProblems) {
  Catalogue c;
  const auto result = Import(c, {});
  EXPECT_TRUE(c.Empty());
  EXPECT_TRUE(result.imported);
  EXPECT_FALSE(result.problems);
}

// ---------------------------------------------------------------- with files and questions

TEST(OutlineImportList, OneCategoryOneSubcategoryTwoArticles) {
  Catalogue c;
  FakePrompter prompter;
  int linesSeen = 0;
  const auto result = ImportOutlineList(c, kOutlines / "simple" / "menu.list", kOutlines / "simple", prompter,
                                        [&linesSeen] { ++linesSeen; });
  EXPECT_EQ(linesSeen, 4);
  EXPECT_TRUE(result.listFound);
  EXPECT_TRUE(result.imported);
  EXPECT_FALSE(result.problems);
  EXPECT_TRUE(prompter.messages.empty());
  ASSERT_EQ(c.RootCount(), 1);
  const CatalogueNode* cat = c.Root(0);
  EXPECT_EQ(cat->Values(), (std::vector<std::string>{A("Базы данных"), "1"}));
  const CatalogueNode* sub = cat->Child(0);
  EXPECT_EQ(sub->Values(), (std::vector<std::string>{"ODBC", "2"}));
  EXPECT_EQ(sub->Child(0)->Values(), (std::vector<std::string>{A("Драйвер ASCII"), "", "ascii_driver.html"}));
  EXPECT_EQ(sub->Child(1)->Values(), (std::vector<std::string>{A("Драйвер dBase"), "", "dbase_driver.html"}));
  EXPECT_EQ(sub->Child(1)->Value(ColState), "") << "not read";
  EXPECT_EQ(sub->Child(1)->Value(ColLook), "") << "not viewed";
}

TEST(OutlineImportList, AMissingListChangesNothing) {
  Catalogue c;
  test::Add(c, nullptr, {"untouched"});
  FakePrompter prompter;
  const auto result = ImportOutlineList(c, kOutlines / "no_list" / "menu.list", kOutlines / "no_list", prompter);
  EXPECT_FALSE(result.listFound);
  EXPECT_FALSE(result.imported);
  EXPECT_FALSE(result.problems);
  EXPECT_EQ(Titles(c, nullptr), (std::vector<std::string>{"untouched"}));
  EXPECT_TRUE(prompter.messages.empty());
}

TEST(OutlineImportList, LineFeedsAloneEndLinesToo) {
  Catalogue c;
  FakePrompter prompter;
  ImportOutlineList(c, kOutlines / "one_category" / "menu.list", kOutlines / "one_category", prompter);
  ASSERT_EQ(c.RootCount(), 1);
  EXPECT_EQ(c.Root(0)->Values(), (std::vector<std::string>{A("Одна категория"), "0"}));
}

// The mixed list holds every kind of trouble; see its lines in the fixture.
TEST(OutlineImportList, MixedListAsksTheQuestionsInOrderAndShowsTheChosenLists) {
  Catalogue c;
  FakePrompter prompter;
  prompter.Reply(Answer::Ok).Reply(Answer::Ok).Reply(Answer::Cancel).Reply(Answer::Ok).Reply(Answer::Ok);
  const auto result = ImportOutlineList(c, kOutlines / "mixed" / "menu.list", kOutlines / "mixed", prompter);
  EXPECT_TRUE(result.imported);
  EXPECT_TRUE(result.problems);

  EXPECT_EQ(Titles(c, nullptr), (std::vector<std::string>{A("Сети  "), "", A("Последняя")}));
  const CatalogueNode* nets = c.Root(0);
  EXPECT_EQ(nets->Value(ColCount), "2");
  const CatalogueNode* protocols = nets->Child(0);
  EXPECT_EQ(protocols->Value(ColCount), "3");
  EXPECT_EQ(Titles(c, protocols), (std::vector<std::string>{"TCP/IP", "A", A("Регистр")}));
  EXPECT_EQ(protocols->Child(1)->Value(ColFileName), "b.html");
  EXPECT_EQ(protocols->Child(2)->Value(ColFileName), "PAGE.html") << "the name as typed, found without regard to case";
  EXPECT_EQ(nets->Child(1)->Value(ColCount), "0");
  EXPECT_EQ(c.Root(1)->Value(ColCount), "1");
  EXPECT_EQ(c.Root(1)->Child(0)->Value(ColCount), "0");
  const CatalogueNode* last = c.Root(2)->Child(0);
  EXPECT_EQ(last->Value(ColCount), "2");
  EXPECT_EQ(Titles(c, last), (std::vector<std::string>{"", ""}));

  EXPECT_EQ(result.noName, (std::vector<std::string>{A("Без файла")}));
  EXPECT_EQ(result.missing, (std::vector<std::string>{"UDP [udp.html]", "X [x1.html]", "Y [y1.html]"}));
  EXPECT_EQ(result.unplaced.size(), 6u);

  ASSERT_EQ(prompter.messages.size(), 5u);
  const Message& noName = prompter.messages[0];
  EXPECT_EQ(noName.kind, MessageKind::Confirmation);
  EXPECT_EQ(noName.text,
            "Некоторым статьям не присвоены имена файлов!\n\rВсего таких статей: 1\n\rВывести названия этих статей?");
  EXPECT_EQ(noName.buttons, MessageButtons::OkCancelHelp);
  EXPECT_EQ(noName.helpContext, 22);
  const Message& noNameList = prompter.messages[1];
  EXPECT_EQ(noNameList.kind, MessageKind::Information);
  EXPECT_EQ(noNameList.text, "Без файла");
  EXPECT_EQ(noNameList.buttons, MessageButtons::Ok);
  EXPECT_EQ(noNameList.helpContext, 0);
  const Message& missing = prompter.messages[2];  // answered Cancel: no list follows
  EXPECT_EQ(missing.text,
            "Файлы некоторых статей не существуют!\n\rВсего таких статей: 3\n\r"
            "Вывести названия этих статей и файлов?");
  EXPECT_EQ(missing.helpContext, 23);
  EXPECT_EQ(prompter.messages[3].text,
            "Некоторые строки списка статей не нашли места в дереве!\n\rВсего таких строк: 6\n\rВывести эти строки?");
  EXPECT_EQ(prompter.messages[4].text,
            "Подкатегория без категории\n\rСтатья без подкатегории | page.html\n\rЗвёзды*и* | page.html\n\r"
            "Плохая^категория\n\rЕё подкатегория\n\rЕё статья | page.html");
}

TEST(OutlineImportList, TheListsAreOfferedIndependently) {
  Catalogue c;
  FakePrompter prompter;
  prompter.Reply(Answer::Cancel).Reply(Answer::Ok).Reply(Answer::Ok).Reply(Answer::Cancel);
  ImportOutlineList(c, kOutlines / "mixed" / "menu.list", kOutlines / "mixed", prompter);
  ASSERT_EQ(prompter.messages.size(), 4u);
  EXPECT_EQ(prompter.messages[1].helpContext, 23);
  EXPECT_EQ(prompter.messages[2].text, "UDP [udp.html]\n\rX [x1.html]\n\rY [y1.html]");
  EXPECT_EQ(prompter.messages[3].kind, MessageKind::Confirmation);
}

TEST(OutlineImportList, TheCommandLineFormShowsTreeListsAndProblems) {
  const std::string json = RunOutlineImportJson(kOutlines / "simple");
  EXPECT_EQ(json,
            "{\"roots\":[{\"values\":[\"Базы данных\",\"1\"],\"image\":0,\"selected\":-1,\"state\":-1,\"data\":0,"
            "\"children\":[{\"values\":[\"ODBC\",\"2\"],\"image\":0,\"selected\":-1,\"state\":-1,\"data\":0,"
            "\"children\":[{\"values\":[\"Драйвер ASCII\",\"\",\"ascii_driver.html\"],\"image\":0,\"selected\":-1,"
            "\"state\":-1,\"data\":0,\"children\":[]},{\"values\":[\"Драйвер dBase\",\"\",\"dbase_driver.html\"],"
            "\"image\":0,\"selected\":-1,\"state\":-1,\"data\":0,\"children\":[]}]}]}],"
            "\"no_name\":[],\"missing\":[],\"unplaced\":[],\"problems\":false}");
  const std::string mixed = RunOutlineImportJson(kOutlines / "mixed");
  EXPECT_NE(mixed.find("\"no_name\":[\"Без файла\"],\"missing\":[\"UDP [udp.html]\",\"X [x1.html]\",\"Y [y1.html]\"]"),
            std::string::npos);
  EXPECT_NE(mixed.find("\"problems\":true}"), std::string::npos);
}

}  // namespace
}  // namespace lrv
