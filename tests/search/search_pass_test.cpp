#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "catalogue/catalogue_rules.h"
#include "search/search_pass.h"
#include "search_reference.h"
#include "search_fixture.h"

namespace lrv::test {
namespace {

using K = SearchKind;

struct NoProgress : SearchProgress {};

// Stops the pass at the n-th poll and counts what it heard.
struct CancelAt : SearchProgress {
  explicit CancelAt(int n) : n(n) {}
  bool Cancelled() override { return ++polls >= n; }
  void Found(const ResultRow&, int count) override { lastCount = count; }
  int n;
  int polls = 0;
  int lastCount = 0;
};

struct PassCase {
  const char* name;
  const char* query;
  K kind;
  bool inText, stem, whole, caseSensitive;
  std::vector<std::string> files;  // expected, in catalogue order
};

class SearchPass : public SearchArchive, public ::testing::WithParamInterface<PassCase> {};

// Each case is checked against the expected files worked out by hand, and
// against the line-by-line reference; with the pages read inline and on
// three worker threads.
TEST_P(SearchPass, FindsTheArticlesOfTheLineByLineRule) {
  const PassCase& c = GetParam();
  SearchQuery q = Query(c.query, c.kind, c.inText, c.stem);
  q.wholeWords = c.whole;
  q.caseSensitive = c.caseSensitive;
  const auto expectedByReference = reference::SearchFiles(catalogue_, dirs_, q);
  for (int threads : {1, 3}) {
    q.threads = threads;
    ResultList results;
    results.rows.push_back(ResultRowOf(*catalogue_.Root(0)));  // a search starts with an empty list
    NoProgress progress;
    const SearchOutcome outcome = RunSearch(catalogue_, dirs_, q, results, progress);
    EXPECT_TRUE(outcome.ran);
    EXPECT_FALSE(outcome.cancelled);
    EXPECT_EQ(Files(results), c.files) << "threads " << threads;
    EXPECT_EQ(Files(results), expectedByReference) << "threads " << threads;
  }
}

const std::string kNet2 = "sub\\net2.html";

INSTANTIATE_TEST_SUITE_P(
    Fixture, SearchPass,
    ::testing::Values(
        PassCase{"TitleExact", "базы", K::ExactPhrase, false, false, false, false, {"db3.html"}},
        PassCase{"TitleExactStemmed", "базы", K::ExactPhrase, false, true, false, false, {"db1.html", "db3.html"}},
        PassCase{"TitleTrailingSpace", "базы ", K::ExactPhrase, false, false, false, false, {}},
        PassCase{"TitleAllWords", "базы данных", K::AllWords, false, false, false, false, {}},
        PassCase{"TitleAllWordsStemmed", "базы данных", K::AllWords, false, true, false, false, {"db1.html"}},
        PassCase{"TitleAnyWord", "и базы данных", K::AnyWord, false, false, false, false,
                 {"db1.html", "db3.html", kNet2, "net3.html"}},
        PassCase{"TitleWholeWordFirstOccurrence", "form", K::ExactPhrase, false, false, true, false, {}},
        PassCase{"TitleDottedName", "tform.create", K::ExactPhrase, false, false, true, false, {"dl1.html"}},
        PassCase{"TitleCaseSensitive", "tform.create", K::ExactPhrase, false, false, false, true, {}},
        PassCase{"TitleCaseIgnoredWhileStemming", "tform.create", K::ExactPhrase, false, true, false, true,
                 {"dl1.html"}},
        PassCase{"TextWholeWord", "данных", K::ExactPhrase, true, false, true, false,
                 {"db1.html", "db2.html", kNet2, "net3.html"}},
        PassCase{"TextCaseSensitive", "данных", K::ExactPhrase, true, false, true, true,
                 {"db1.html", kNet2, "net3.html"}},
        PassCase{"TextOnlyFirstOccurrencePerLine", "data", K::ExactPhrase, true, false, true, false, {}},
        PassCase{"TextInsideMarkup", "data", K::ExactPhrase, true, false, false, false, {"db3.html"}},
        PassCase{"TextHyphenIsWordChar", "клиент", K::ExactPhrase, true, false, true, false, {"net1.html"}},
        PassCase{"TextWordAtLineEnd", "базы", K::ExactPhrase, true, false, true, false, {"db1.html", kNet2}},
        PassCase{"TextAtEndOfLfLine", "много", K::ExactPhrase, true, false, true, false, {"db2.html"}},
        PassCase{"TextPhraseAcrossLinesNotFound", "таблицы данных", K::ExactPhrase, true, false, false, false, {}},
        PassCase{"TextAllWordsOnDifferentLines", "metadata ссылка", K::AllWords, true, false, false, false,
                 {"db3.html"}},
        PassCase{"TextAllWordsStemmed", "программирование компонентов", K::AllWords, true, true, false, false,
                 {"dl1.html"}},
        PassCase{"TextAnyWordStemmed", "сервера загружается", K::AnyWord, true, true, false, false,
                 {"dl1.html", "net1.html"}},
        PassCase{"TextStemmedPhrase", "базы данных", K::ExactPhrase, true, true, false, false, {"db1.html"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchArchive, NothingToSearchLeavesTheListAlone) {
  for (const auto& [text, kind] : std::vector<std::pair<const char*, K>>{
           {"   ", K::ExactPhrase}, {"и в или x", K::AllWords}, {"", K::AnyWord}}) {
    ResultList results;
    results.rows.push_back(ResultRowOf(*catalogue_.Root(0)));
    NoProgress progress;
    EXPECT_FALSE(RunSearch(catalogue_, dirs_, Query(text, kind, false), results, progress).ran) << text;
    EXPECT_EQ(results.rows.size(), 1u);
  }
  // A single stop letter is a valid exact phrase.
  EXPECT_TRUE(PrepareNeedles(Query("и", K::ExactPhrase, false)).has_value());
}

TEST_F(SearchArchive, HandsTheWordsAndOptionsToTheHighlighter) {
  struct Case {
    const char* query;
    K kind;
    bool inText, stem, whole, caseSensitive;
    std::vector<std::string> words;
    bool expectCase;
  };
  const Case cases[] = {
      {" Базы данных ", K::ExactPhrase, true, false, false, true, {A(" Базы данных ")}, true},
      {"базы данных", K::ExactPhrase, false, true, true, true, {A("базы д")}, false},
      {"Поиск поиск ПОИСК базы", K::AllWords, true, false, false, false, {A("Поиск"), A("базы")}, false},
      {"и в или базы данных", K::AnyWord, true, true, false, false, {A("баз"), A("да")}, false},
  };
  for (const Case& c : cases) {
    SearchQuery q = Query(c.query, c.kind, c.inText, c.stem);
    q.wholeWords = c.whole;
    q.caseSensitive = c.caseSensitive;
    ResultList results;
    NoProgress progress;
    const auto outcome = RunSearch(catalogue_, dirs_, q, results, progress);
    ASSERT_TRUE(outcome.handover.has_value()) << c.query;
    EXPECT_EQ(outcome.handover->highlight.words, c.words) << c.query;
    EXPECT_EQ(outcome.handover->lastSearchInText, c.inText);
    EXPECT_EQ(outcome.handover->highlight.caseSensitive, c.expectCase);
    EXPECT_EQ(outcome.handover->highlight.wholeWords, c.whole);
  }
}

TEST_F(SearchArchive, KindFollowsTheNumberOfWords) {
  EXPECT_EQ(EffectiveKind(A("базы"), K::AnyWord), K::ExactPhrase);
  EXPECT_EQ(EffectiveKind(A("Поиск поиск ПОИСК"), K::AllWords), K::ExactPhrase);
  EXPECT_EQ(EffectiveKind(A("и базы"), K::AllWords), K::ExactPhrase);
  EXPECT_EQ(EffectiveKind(A("базы данных"), K::AnyWord), K::AnyWord);
}

TEST_F(SearchArchive, CategoryAndStateMarksLimitTheSearch) {
  SearchQuery q = Query("базы данных", K::AnyWord, false);
  ResultList results;
  NoProgress progress;

  q.categories[0].checked = false;  // "Базы данных"
  RunSearch(catalogue_, dirs_, q, results, progress);
  EXPECT_EQ(Files(results), (std::vector<std::string>{kNet2, "net3.html"}));

  // "СЕТИ" shares the mark of the first item equal to it without case.
  q.categories[2].checked = false;  // "Сети"
  RunSearch(catalogue_, dirs_, q, results, progress);
  EXPECT_TRUE(results.rows.empty());
  EXPECT_FALSE(CategoryAllowed(q, A("СЕТИ")));
  EXPECT_FALSE(CategoryAllowed(q, A("Нет такой")));
  EXPECT_TRUE(CategoryAllowed(q, "delphi"));

  q = Query("базы данных", K::AnyWord, false);
  for (bool& allowed : q.stateAllowed) allowed = false;
  q.stateAllowed[static_cast<int>(SearchState::New)] = true;
  RunSearch(catalogue_, dirs_, q, results, progress);
  EXPECT_EQ(Files(results), (std::vector<std::string>{"db3.html", kNet2}));

  q.stateAllowed[static_cast<int>(SearchState::New)] = false;
  RunSearch(catalogue_, dirs_, q, results, progress);
  EXPECT_TRUE(results.rows.empty());

  // A state text other than the four is never searched, whatever is checked.
  q = Query("состояние", K::ExactPhrase, false);
  RunSearch(catalogue_, dirs_, q, results, progress);
  EXPECT_TRUE(results.rows.empty());
  EXPECT_FALSE(StateAllowed(q, "x"));
  EXPECT_TRUE(StateAllowed(q, ""));
}

TEST_F(SearchArchive, SearchInFoundRowsIgnoresCategoriesAndStates) {
  ResultList results;
  for (const char* file : {"db3.html", "sub\\net2.html", "dl3.html"}) {
    ResultRow row;
    row.SetValue(ColFileName, file);
    row.SetValue(ColTitle, file == std::string("dl3.html") ? A("Поиск данных") : A("Строка"));
    results.rows.push_back(row);
  }
  for (bool inText : {false, true}) {
    ResultList list = results;
    SearchQuery q = Query("данных", K::ExactPhrase, inText);
    q.inFoundRows = true;
    for (auto& item : q.categories) item.checked = false;
    for (bool& allowed : q.stateAllowed) allowed = false;
    NoProgress progress;
    RunSearch(catalogue_, dirs_, q, list, progress);
    // Titles: only the row titled so; text: the pages of net2 and dl3 (state "x" too).
    EXPECT_EQ(Files(list), inText ? (std::vector<std::string>{kNet2, "dl3.html"})
                                  : (std::vector<std::string>{"dl3.html"}));
  }
}

// A catalogue of 60 articles whose pages all hold the word.
class LargeArchive : public SearchArchive {
 protected:
  void SetUp() override {
    SearchArchive::SetUp();
    catalogue_.Clear();
    for (int c = 0; c < 3; ++c) {
      CatalogueNode* category = Category("Категория " + std::to_string(c));
      for (int s = 0; s < 4; ++s) {
        CatalogueNode* sub = Sub(category, "Раздел " + std::to_string(s));
        for (int a = 0; a < 5; ++a) {
          const std::string file = "p" + std::to_string(c) + std::to_string(s) + std::to_string(a) + ".html";
          Article(sub, "Статья", file, "", "<p>общее слово</p>\r\n");
        }
      }
    }
  }
};

TEST_F(LargeArchive, CancellingKeepsTheRowsFoundSoFar) {
  for (int threads : {1, 2}) {
    SearchQuery q = Query("общее", K::ExactPhrase, true);
    q.threads = threads;
    ResultList results;
    CancelAt progress(21);
    const auto outcome = RunSearch(catalogue_, dirs_, q, results, progress);
    EXPECT_TRUE(outcome.cancelled);
    ASSERT_TRUE(outcome.handover.has_value());
    // Polled before each article: twenty were tested (threads may poll
    // more often while they wait, never fewer).
    if (threads == 1) {
      EXPECT_EQ(results.rows.size(), 20u);
    }
    EXPECT_LE(results.rows.size(), 20u);
    EXPECT_EQ(progress.lastCount, static_cast<int>(results.rows.size()));
    // The rows are the first articles, in catalogue order.
    std::vector<std::string> first;
    ForEachArticle(catalogue_, [&](const CatalogueNode* a) {
      if (first.size() < results.rows.size()) first.push_back(a->Value(ColFileName));
    });
    EXPECT_EQ(Files(results), first);
  }
  SearchQuery q = Query("общее", K::ExactPhrase, true);
  ResultList results;
  NoProgress progress;
  EXPECT_FALSE(RunSearch(catalogue_, dirs_, q, results, progress).cancelled);
  EXPECT_EQ(results.rows.size(), 60u);
}

}  // namespace
}  // namespace lrv::test
