#include <gtest/gtest.h>

#include "catalogue/result_list.h"
#include "editing/delete_mark.h"
#include "editing_core_support.h"

namespace lrv {
namespace {

using test::A;
using test::Dump;
using test::EditingArchive;
using test::Find;
using test::Selected;
using test::U;

// ---------------------------------------------------------------- caption

TEST(DeleteCaption, FollowsLevelAndNumberOfTheSelection) {
  EditingArchive a;
  Catalogue& c = a.catalogue;
  EXPECT_EQ(DeleteCommandCaption(c), std::nullopt);
  struct Case {
    std::vector<const char*> selected;
    const char* caption;
  };
  const Case cases[] = {
      {{"Сети"}, "&Удалить категорию"},
      {{"SQL"}, "&Удалить подкатегорию"},
      {{"TCP"}, "&Удалить статью"},
      {{"Сети", "Языки"}, "&Удалить категории [2]"},
      {{"SQL", "NoSQL"}, "&Удалить подкатегории [2]"},
      {{"TCP", "UDP"}, "&Удалить статьи [2]"},
  };
  for (const Case& k : cases) {
    c.ClearSelection();
    for (const char* t : k.selected) c.Select(Find(c, t));
    EXPECT_EQ(DeleteCommandCaption(c), std::optional<std::string>(k.caption));
  }
  EXPECT_TRUE(DeleteEnabled(c, true));
  EXPECT_FALSE(DeleteEnabled(c, false));
  c.ClearSelection();
  EXPECT_FALSE(DeleteEnabled(c, true));
}

// ---------------------------------------------------------------- deleting

TEST(DeleteSelected, OneArticleAsksByTitleAndTakesItsNote) {
  EditingArchive a;
  a.WritePage("tcp.html");
  a.WriteNote("tcp.txt");
  a.WriteNote("udp.txt");
  a.catalogue.SelectOnly(Find(a.catalogue, "TCP"));
  const std::string before = Dump(a.catalogue);
  ASSERT_TRUE(DeleteSelected(a.catalogue, a.journal, a.prompter, a.dirs, a.disk));
  ASSERT_EQ(a.prompter.messages.size(), 1u);
  const Message& question = a.prompter.messages[0];
  EXPECT_EQ(question.text, "Вы действительно хотите удалить\n\r\"TCP\"?");
  EXPECT_EQ(question.kind, MessageKind::Confirmation);
  EXPECT_EQ(question.buttons, MessageButtons::OkCancelHelp);
  EXPECT_EQ(question.helpContext, 41);

  EXPECT_EQ(Find(a.catalogue, "TCP"), nullptr);
  EXPECT_EQ(Find(a.catalogue, "Протоколы")->Value(ColCount), "1");
  EXPECT_EQ(UpdateStatusCounts(a.catalogue).articles, "Статей в архиве: 5");
  EXPECT_FALSE(a.HasNote("tcp.txt"));
  EXPECT_TRUE(a.HasNote("udp.txt"));
  EXPECT_TRUE(std::filesystem::exists(a.dirs.baseDir / "tcp.html"));
  ASSERT_EQ(a.EditEntries(), 1);
  EXPECT_EQ(a.LastOperation(), "Удаление");
  EXPECT_EQ(a.LastDetail(), "TCP*2`Протоколы");

  // Undo brings the article back selected, not its note; redo selects the
  // subcategory it was in.
  ASSERT_TRUE(a.journal.Undo(a.catalogue));
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"TCP"});
  EXPECT_FALSE(a.HasNote("tcp.txt"));
  ASSERT_TRUE(a.journal.Redo(a.catalogue));
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Протоколы"});
}

TEST(DeleteSelected, ThreeSubcategoriesLowerTheCountByThreeAndTakeTheirNotes) {
  EditingArchive a;
  CatalogueNode* graphs = test::Add(a.catalogue, nullptr, {A("Графы"), "4"});
  const char* subs[] = {"Деревья", "Потоки", "Пути", "Раскраска"};
  for (int i = 0; i < 4; ++i) {
    CatalogueNode* sub = test::Add(a.catalogue, graphs, {A(subs[i]), "2"});
    for (int j = 0; j < 2; ++j) {
      const std::string page = "g" + std::to_string(i) + std::to_string(j);
      test::Add(a.catalogue, sub, {"Article " + page, "", page + ".html", "2"});
      a.WritePage(page + ".html");
      a.WriteNote(page + ".txt");
    }
  }
  a.catalogue.Sort();
  a.StartJournal();
  for (int i = 0; i < 3; ++i) a.catalogue.Select(Find(a.catalogue, subs[i]));
  const std::string before = Dump(a.catalogue);

  ASSERT_TRUE(DeleteSelected(a.catalogue, a.journal, a.prompter, a.dirs, a.disk));
  EXPECT_EQ(a.prompter.Texts(), std::vector<std::string>{"Удалить выделенные узлы [3] дерева?"});
  EXPECT_EQ(test::Helps(a.prompter), std::vector<int>{40});
  EXPECT_EQ(graphs->Value(ColCount), "1");
  EXPECT_EQ(test::Titles(a.catalogue, graphs), std::vector<std::string>{"Раскраска"});
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 2; ++j) {
      const std::string page = "g" + std::to_string(i) + std::to_string(j);
      EXPECT_EQ(a.HasNote(page + ".txt"), i == 3) << page;
      EXPECT_TRUE(std::filesystem::exists(a.dirs.baseDir / (page + ".html"))) << page;
    }
  ASSERT_EQ(a.EditEntries(), 1);
  EXPECT_EQ(a.LastDetail(), "Деревья*1`Графы");
  ASSERT_TRUE(a.journal.Undo(a.catalogue));
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Деревья"});
  ASSERT_TRUE(a.journal.Redo(a.catalogue));
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Графы"});
  EXPECT_TRUE(Find(a.catalogue, "Графы")->Expanded());
}

TEST(DeleteSelected, ACategoryTakesAllItsNotesButNoPages) {
  EditingArchive a;
  for (const char* page : {"joins", "indexes", "redis", "tcp"}) {
    a.WritePage(std::string(page) + ".html");
    a.WriteNote(std::string(page) + ".txt");
  }
  a.catalogue.SelectOnly(Find(a.catalogue, "Базы данных"));
  ASSERT_TRUE(DeleteSelected(a.catalogue, a.journal, a.prompter, a.dirs, a.disk));
  EXPECT_EQ(test::Titles(a.catalogue, nullptr), (std::vector<std::string>{"Сети", "Языки"}));
  for (const char* page : {"joins", "indexes", "redis"}) {
    EXPECT_FALSE(a.HasNote(std::string(page) + ".txt")) << page;
    EXPECT_TRUE(std::filesystem::exists(a.dirs.baseDir / (std::string(page) + ".html"))) << page;
  }
  EXPECT_TRUE(a.HasNote("tcp.txt"));
  EXPECT_EQ(a.LastDetail(), "Базы данных*0`");
}

TEST(DeleteSelected, KeepsANoteThatAnArticleLeftBehindStillUses) {
  EditingArchive a;
  test::Add(a.catalogue, Find(a.catalogue, "Cpp"), {"TCP copy", "", "TCP.html"});
  a.StartJournal();
  a.WriteNote("tcp.txt");
  a.catalogue.SelectOnly(Find(a.catalogue, "TCP"));
  ASSERT_TRUE(DeleteSelected(a.catalogue, a.journal, a.prompter, a.dirs, a.disk));
  EXPECT_TRUE(a.HasNote("tcp.txt"));
}

TEST(DeleteSelected, WritesNothingToNotesOffAFixedDisk) {
  EditingArchive a;
  a.WriteNote("tcp.txt");
  a.disk.fixed = false;
  a.catalogue.SelectOnly(Find(a.catalogue, "TCP"));
  ASSERT_TRUE(DeleteSelected(a.catalogue, a.journal, a.prompter, a.dirs, a.disk));
  EXPECT_EQ(Find(a.catalogue, "TCP"), nullptr);
  EXPECT_TRUE(a.HasNote("tcp.txt"));
}

TEST(DeleteSelected, CancelAndNothingSelectedChangeNothing) {
  EditingArchive a;
  a.WriteNote("tcp.txt");
  const std::string before = Dump(a.catalogue);
  EXPECT_FALSE(DeleteSelected(a.catalogue, a.journal, a.prompter, a.dirs, a.disk));
  EXPECT_TRUE(a.prompter.messages.empty());
  a.catalogue.SelectOnly(Find(a.catalogue, "TCP"));
  a.prompter.Reply(Answer::Cancel);
  EXPECT_FALSE(DeleteSelected(a.catalogue, a.journal, a.prompter, a.dirs, a.disk));
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_TRUE(a.HasNote("tcp.txt"));
  EXPECT_EQ(a.EditEntries(), 0);
}

TEST(DeleteSelected, ADamagedCountEndsAtZero) {
  EditingArchive a;
  CatalogueNode* proto = Find(a.catalogue, "Протоколы");
  a.catalogue.SetValue(proto, ColCount, "lots");
  a.catalogue.Select(Find(a.catalogue, "TCP"));
  a.catalogue.Select(Find(a.catalogue, "UDP"));
  ASSERT_TRUE(DeleteSelected(a.catalogue, a.journal, a.prompter, a.dirs, a.disk));
  EXPECT_EQ(proto->Value(ColCount), "0");
}

// ---------------------------------------------------------------- marking

ResultList ResultsOf(const Catalogue& c, std::vector<const char*> titles) {
  ResultList list;
  for (const char* t : titles) list.rows.push_back(ResultRowOf(*Find(c, t)));
  return list;
}

TEST(MarkSelected, TwoArticlesInTheTreeAndTheirRowsInTheResults) {
  EditingArchive a;
  ResultList results = ResultsOf(a.catalogue, {"Joins", "UDP", "TCP"});
  results.rows.push_back(results.rows[2]);  // a second row of tcp.html
  a.catalogue.Select(Find(a.catalogue, "TCP"));
  a.catalogue.Select(Find(a.catalogue, "UDP"));
  const std::string before = Dump(a.catalogue);

  const MarkResult r = MarkSelected(a.catalogue, &results, a.journal, "3");
  EXPECT_TRUE(r.marked);
  for (const char* t : {"TCP", "UDP"}) {
    const CatalogueNode* n = Find(a.catalogue, t);
    EXPECT_EQ(n->Value(ColState), "3") << t;
    EXPECT_EQ(n->ImageIndex(), 11) << t;  // the read picture, highlighted
  }
  EXPECT_EQ(results.rows[0].Value(ColState), "1");  // not selected
  EXPECT_EQ(results.rows[1].Value(ColState), "3");
  EXPECT_EQ(results.rows[2].Value(ColState), "3");
  EXPECT_EQ(results.rows[3].Value(ColState), "2");  // only the first row of a file
  EXPECT_EQ(r.changedRows, (std::vector<int>{2, 1}));
  ASSERT_EQ(a.EditEntries(), 1);
  EXPECT_EQ(a.LastOperation(), "Маркировка статьи");
  EXPECT_EQ(a.LastDetail(), "TCP");

  // Undo puts the states back, in the tree and in the results.
  ASSERT_TRUE(a.journal.Undo(a.catalogue, &results));
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"TCP"});
  EXPECT_EQ(results.rows[2].Value(ColState), "2");
  EXPECT_EQ(results.rows[1].Value(ColState), "");
  ASSERT_TRUE(a.journal.Redo(a.catalogue, &results));
  EXPECT_EQ(results.rows[1].Value(ColState), "3");
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"TCP"});
}

TEST(MarkSelected, ResultsPageMarksTheTreeArticleOfTheSameFile) {
  EditingArchive a;
  ASSERT_FALSE(Find(a.catalogue, "Cpp")->Expanded());
  ResultList results = ResultsOf(a.catalogue, {"Redis", "Templates"});
  ResultRow differentCase = results.rows[0];
  differentCase.SetValue(ColFileName, "REDIS.html");
  results.rows.push_back(differentCase);
  const int rows[] = {1, 2, 7};  // 7: out of range, skipped
  const MarkResult r = MarkSelectedResults(a.catalogue, results, rows, a.journal, "1");
  EXPECT_TRUE(r.marked);
  EXPECT_EQ(r.changedRows, (std::vector<int>{1, 2}));
  EXPECT_EQ(results.rows[1].Value(ColState), "1");
  EXPECT_EQ(results.rows[2].Value(ColState), "1");
  EXPECT_EQ(Find(a.catalogue, "Templates")->Value(ColState), "1");
  // The file name is matched exactly: REDIS.html is not redis.html.
  EXPECT_EQ(Find(a.catalogue, "Redis")->Value(ColState), "3");
  EXPECT_EQ(a.LastDetail(), "Templates");
}

TEST(MarkSelected, ACategoryTakesTheStateAndMatchesNoRow) {
  EditingArchive a;
  ResultList results;
  ResultRow noFile;
  noFile.SetValue(ColTitle, "Orphan");
  results.rows.push_back(noFile);
  a.catalogue.SelectOnly(Find(a.catalogue, "Сети"));
  const MarkResult r = MarkSelected(a.catalogue, &results, a.journal, "1");
  EXPECT_TRUE(r.marked);
  EXPECT_EQ(Find(a.catalogue, "Сети")->Value(ColState), "1");
  EXPECT_EQ(results.rows[0].Value(ColState), "");
  EXPECT_EQ(a.EditEntries(), 1);
}

TEST(MarkSelected, NothingSelectedDoesNothing) {
  EditingArchive a;
  ResultList results = ResultsOf(a.catalogue, {"Redis"});
  EXPECT_FALSE(MarkSelected(a.catalogue, &results, a.journal, "1").marked);
  EXPECT_FALSE(MarkSelectedResults(a.catalogue, results, {}, a.journal, "1").marked);
  EXPECT_EQ(a.EditEntries(), 0);
}

TEST(MarkCommands, SetTheFourStates) {
  ASSERT_EQ(std::size(kMarkCommands), 4u);
  EXPECT_EQ(kMarkCommands[0].state, "1");
  EXPECT_EQ(kMarkCommands[1].state, "2");
  EXPECT_EQ(kMarkCommands[2].state, "3");
  EXPECT_EQ(kMarkCommands[3].state, "");
  EXPECT_EQ(kMarkCommands[2].shortcut, "Ctrl+3");
}

}  // namespace
}  // namespace lrv
