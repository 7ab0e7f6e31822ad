#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/files.h"
#include "search/result_views.h"
#include "search/search_history.h"
#include "search_fixture.h"

namespace lrv::test {
namespace {

struct CountingProgress : SearchProgress {
  void Category(int position, int count, std::string_view, int) override { categories.push_back({position, count}); }
  bool Cancelled() override {
    ++polls;
    return true;  // a view cannot be cancelled: it never asks
  }
  std::vector<std::pair<int, int>> categories;
  int polls = 0;
};

class ResultViews : public SearchArchive {
 protected:
  void SetUp() override {
    SearchArchive::SetUp();
    fs::create_directories(dirs_.NotesDir());
    std::ofstream(dirs_.NotesDir() / "db1.txt") << "note";
    std::ofstream(dirs_.NotesDir() / "net2.txt") << "note";  // the page lies in a subfolder
    fs::create_directories(dirs_.NotesDir() / "net3.txt");     // a folder is no note
  }
};

TEST_F(ResultViews, ListTheArticlesOfTheViewInCatalogueOrder) {
  const std::string net2 = "sub\\net2.html";
  const std::vector<std::pair<ResultView, std::vector<std::string>>> cases = {
      {ResultView::Favourite, {"db2.html", "net1.html"}},
      {ResultView::New, {"db3.html", net2}},
      {ResultView::Read, {"dl1.html"}},
      {ResultView::NotRead, {"db1.html", "missing.html", "net3.html"}},  // state "x" only in the index
      {ResultView::Index,
       {"db1.html", "db2.html", "db3.html", "dl1.html", "missing.html", "dl3.html", "net1.html", net2, "net3.html"}},
      {ResultView::WithNote, {"db1.html", net2}},
      {ResultView::WithoutNote, {"db2.html", "db3.html", "dl1.html", "missing.html", "dl3.html", "net1.html",
                                 "net3.html"}},
      {ResultView::Viewed, {"db2.html"}},  // "YES" is not "yes"
      {ResultView::NotViewed,
       {"db1.html", "db3.html", "missing.html", "dl3.html", "net1.html", net2, "net3.html"}},
  };
  for (const auto& [view, files] : cases) {
    ResultList list;
    list.rows.push_back(ResultRow{});
    SearchHandover handover;
    handover.lastSearchInText = true;
    handover.highlight.words = {"x"};
    CountingProgress progress;
    RunResultView(catalogue_, dirs_, view, list, progress, handover);
    EXPECT_EQ(Files(list), files) << ResultViewName(view);
    EXPECT_FALSE(handover.lastSearchInText);  // opening a row of a view never highlights
    EXPECT_EQ(progress.polls, 0);
    EXPECT_EQ(progress.categories, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));
    EXPECT_EQ(ResultViewByName(ResultViewName(view)), view);
  }
  EXPECT_FALSE(ResultViewByName("favorite").has_value());
}

TEST_F(ResultViews, RowsCopyTheFiveValues) {
  ResultList list;
  CountingProgress progress;
  SearchHandover handover;
  RunResultView(catalogue_, dirs_, ResultView::Favourite, list, progress, handover);
  ASSERT_EQ(list.rows.size(), 2u);
  EXPECT_EQ(list.rows[0].values,
            (std::array<std::string, kColumnCount>{A("Транзакции в СУБД"), "0", "db2.html", "1", "yes"}));
}

TEST_F(ResultViews, SearchInFoundRowsAfterAViewSearchesOnlyItsRows) {
  ResultList list;
  CountingProgress viewProgress;
  SearchHandover handover;
  RunResultView(catalogue_, dirs_, ResultView::New, list, viewProgress, handover);
  SearchQuery q = Query("базы", SearchKind::ExactPhrase, true);
  q.inFoundRows = true;
  for (auto& item : q.categories) item.checked = false;  // ignored in found rows
  struct : SearchProgress {
  } progress;
  RunSearch(catalogue_, dirs_, q, list, progress);
  // db1 also holds the word, but it was not in the view.
  EXPECT_EQ(Files(list), (std::vector<std::string>{"sub\\net2.html"}));
}

TEST_F(SearchArchive, HistoryKeepsEightNewestFirst) {
  std::vector<std::string> history;
  for (int i = 1; i <= 9; ++i) AddToSearchHistory(history, "q" + std::to_string(i));
  EXPECT_EQ(history.size(), 8u);
  EXPECT_EQ(history.front(), "q9");
  EXPECT_EQ(history.back(), "q2");  // the oldest dropped out
  AddToSearchHistory(history, "Q5");  // known without regard to case: nothing moves
  EXPECT_EQ(history.front(), "q9");
  EXPECT_EQ(history.size(), 8u);
}

TEST_F(SearchArchive, HistoryFileRoundTripAndGates) {
  EXPECT_FALSE(LoadSearchHistory(dirs_).has_value());
  const std::vector<std::string> history = {A("базы данных "), "Delphi"};
  SaveSearchHistory(dirs_, history, /*onFixedDisk=*/false);
  EXPECT_FALSE(fs::exists(SearchHistoryPath(dirs_)));  // nothing from a removable disk
  SaveSearchHistory(dirs_, {}, true);
  EXPECT_FALSE(fs::exists(SearchHistoryPath(dirs_)));  // an empty list is not written

  SaveSearchHistory(dirs_, history, true);
  EXPECT_EQ(*ReadFile(SearchHistoryPath(dirs_)), A("базы данных ") + "\r\nDelphi\r\n");
  EXPECT_EQ(LoadSearchHistory(dirs_), history);

  // A read-only file is replaced; a longer list is written up to the limit.
  fs::permissions(SearchHistoryPath(dirs_), fs::perms::owner_read);
  std::vector<std::string> longer;
  for (int i = 0; i < 11; ++i) longer.push_back("q" + std::to_string(i));
  SaveSearchHistory(dirs_, longer, true);
  EXPECT_EQ(LoadSearchHistory(dirs_)->size(), 8u);
  EXPECT_EQ(LoadSearchHistory(dirs_)->front(), "q0");

  // A longer file written by hand is read whole.
  std::ofstream(SearchHistoryPath(dirs_), std::ios::binary) << "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\n";
  EXPECT_EQ(LoadSearchHistory(dirs_)->size(), 10u);
}

}  // namespace
}  // namespace lrv::test
