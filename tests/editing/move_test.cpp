#include <gtest/gtest.h>

#include <stdexcept>

#include "editing/drag_move.h"
#include "editing/move.h"
#include "editing_core_support.h"

namespace lrv {
namespace {

using test::A;
using test::Dump;
using test::EditingArchive;
using test::Find;
using test::Selected;
using test::U;

// Records what the move shows; 10 pixels a character, a 60-pixel label.
class RecordingProgress : public MoveProgress {
 public:
  std::vector<std::string> events;
  bool open = false;
  int throwAtText = 0;  // throw when the text is set for the n-th time (0: never)

  void Open(const std::string& caption) override {
    open = true;
    events.push_back("open " + caption);
  }
  void SetMaximum(int bar, int maximum) override {
    events.push_back("max" + std::to_string(bar) + " " + std::to_string(maximum));
  }
  void SetPosition(int bar, int position) override {
    events.push_back("pos" + std::to_string(bar) + " " + std::to_string(position));
  }
  void SetStatus(const std::string& text) override { events.push_back("status " + text); }
  void SetText(const std::string& text) override {
    events.push_back("text " + text);
    if (++texts_ == throwAtText) throw std::runtime_error("stopped");
  }
  int TextWidth() const override { return 60; }
  int MeasureText(std::string_view utf8) const override {
    int n = 0;
    for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 10 : 0;
    return n;
  }
  void Close() override {
    open = false;
    events.push_back("close");
  }

 private:
  int texts_ = 0;
};

MoveChoice Choose(std::string_view category, std::optional<std::string_view> subcategory = std::nullopt) {
  MoveChoice choice;
  choice.category = A(category);
  if (subcategory) choice.subcategory = A(*subcategory);
  return choice;
}

// ---------------------------------------------------------------- refusals and opening

TEST(PrepareMove, RefusesWithOnlyOneSubcategoryOrCategory) {
  struct Case {
    const char* name;
    bool subcategory;  // move a subcategory, else an article
    std::string text;
    int help;
  };
  const Case cases[] = {
      {"article", false, "Перемещение не может быть произведено, т.к. есть только одна подкатегория", 44},
      {"subcategory", true, "Перемещение не может быть произведено, т.к. есть только одна категория", 43},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    EditingArchive a(false);
    CatalogueNode* cat = test::Add(a.catalogue, nullptr, {"Only", "1"});
    CatalogueNode* sub = test::Add(a.catalogue, cat, {"Sub", "1"});
    CatalogueNode* art = test::Add(a.catalogue, sub, {"Art", "", "art.html"});
    a.catalogue.SelectOnly(k.subcategory ? sub : art);
    EXPECT_FALSE(PrepareMove(a.catalogue, a.prompter).has_value());
    EXPECT_EQ(a.prompter.Texts(), std::vector<std::string>{k.text});
    EXPECT_EQ(test::Helps(a.prompter), std::vector<int>{k.help});
    EXPECT_EQ(a.prompter.messages[0].kind, MessageKind::Information);
  }
}

TEST(PrepareMove, ArticlesOpenOnTheirPlace) {
  EditingArchive a;
  test::Add(a.catalogue, nullptr, {A("Пустая"), "0"});
  a.catalogue.Select(Find(a.catalogue, "TCP"));
  a.catalogue.Select(Find(a.catalogue, "UDP"));
  const auto s = PrepareMove(a.catalogue, a.prompter);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->kind, MoveKind::Articles);
  EXPECT_EQ(s->caption, "Перемещение [2]");
  EXPECT_TRUE(s->showSubcategories);
  // Only categories with subcategories are offered.
  EXPECT_EQ(s->categories, (std::vector<std::string>{A("Базы данных"), A("Сети"), A("Языки")}));
  EXPECT_EQ(U(s->presentCategory), "Сети");
  EXPECT_EQ(U(s->presentSubcategory), "Протоколы");
  EXPECT_EQ(s->subcategories, std::vector<std::string>{A("Протоколы")});
}

TEST(PrepareMove, SubcategoriesOfferEveryCategoryAndNoSubcategoryList) {
  EditingArchive a;
  test::Add(a.catalogue, nullptr, {A("Пустая"), "0"});
  a.catalogue.SelectOnly(Find(a.catalogue, "Cpp"));
  const auto s = PrepareMove(a.catalogue, a.prompter);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->kind, MoveKind::Subcategories);
  EXPECT_EQ(s->caption, "Перемещение");
  EXPECT_FALSE(s->showSubcategories);
  EXPECT_EQ(s->categories.size(), 4u);
  EXPECT_EQ(U(s->presentCategory), "Языки");
  // Categories never move.
  a.catalogue.SelectOnly(Find(a.catalogue, "Языки"));
  EXPECT_FALSE(PrepareMove(a.catalogue, a.prompter).has_value());
  EXPECT_FALSE(MoveEnabled(a.catalogue, true));
  a.catalogue.SelectOnly(Find(a.catalogue, "Cpp"));
  EXPECT_TRUE(MoveEnabled(a.catalogue, true));
  EXPECT_FALSE(MoveEnabled(a.catalogue, false));
}

// ---------------------------------------------------------------- dialog move of articles

TEST(MoveSelected, TwoArticlesToAnotherSubcategory) {
  EditingArchive a;
  a.catalogue.SetValue(Find(a.catalogue, "TCP"), ColLook, "yes");
  a.StartJournal();
  a.catalogue.Select(Find(a.catalogue, "TCP"));
  a.catalogue.Select(Find(a.catalogue, "UDP"));
  const std::string before = Dump(a.catalogue);
  const auto setup = PrepareMove(a.catalogue, a.prompter);
  ASSERT_TRUE(setup.has_value());
  RecordingProgress progress;
  EXPECT_EQ(MoveSelected(a.catalogue, a.journal, *setup, Choose("Базы данных", "SQL"), &progress),
            MoveOutcome::Moved);

  EXPECT_EQ(Find(a.catalogue, "Протоколы")->Value(ColCount), "0");
  const CatalogueNode* sql = Find(a.catalogue, "SQL");
  EXPECT_EQ(sql->Value(ColCount), "4");
  EXPECT_EQ(test::Titles(a.catalogue, sql), (std::vector<std::string>{"Joins", "TCP", "UDP", "Индексы"}));
  EXPECT_EQ(Find(a.catalogue, "TCP")->Values(), (std::vector<std::string>{"TCP", "", "tcp.html", "2"}));
  EXPECT_EQ(Find(a.catalogue, "UDP")->Values(), (std::vector<std::string>{"UDP", "", "udp.html", ""}));
  // The one moved last ends focused and selected.
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"UDP"});
  EXPECT_EQ(a.catalogue.Focused(), Find(a.catalogue, "UDP"));
  EXPECT_EQ(progress.events, (std::vector<std::string>{"open Перемещение", "max1 2", "max2 2", "pos1 1", "pos2 1",
                                                       "status 1 из 2", "text TCP", "pos1 2", "pos2 2",
                                                       "status 2 из 2", "text UDP", "close"}));
  ASSERT_EQ(a.EditEntries(), 1);
  EXPECT_EQ(a.LastOperation(), "Перемещение");
  EXPECT_EQ(a.LastDetail(), "TCP*2");
  // Undo and redo both select the article named in the entry.
  ASSERT_TRUE(a.journal.Undo(a.catalogue));
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"TCP"});
  EXPECT_EQ(Find(a.catalogue, "TCP")->Parent(), Find(a.catalogue, "Протоколы"));
  ASSERT_TRUE(a.journal.Redo(a.catalogue));
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"TCP"});
  EXPECT_EQ(Find(a.catalogue, "TCP")->Parent(), Find(a.catalogue, "SQL"));
}

TEST(MoveSelected, ThePresentPlaceOrNoChoiceChangesNothing) {
  EditingArchive a;
  a.catalogue.SelectOnly(Find(a.catalogue, "Joins"));
  const auto setup = PrepareMove(a.catalogue, a.prompter);
  ASSERT_TRUE(setup.has_value());
  const std::string before = Dump(a.catalogue);
  RecordingProgress progress;
  EXPECT_EQ(MoveSelected(a.catalogue, a.journal, *setup, Choose(" БАЗЫ ДАННЫХ", "sql "), &progress),
            MoveOutcome::Unchanged);
  EXPECT_EQ(MoveSelected(a.catalogue, a.journal, *setup, MoveChoice{}, &progress), MoveOutcome::Unchanged);
  EXPECT_EQ(MoveSelected(a.catalogue, a.journal, *setup, Choose("Сети"), &progress), MoveOutcome::Unchanged);
  EXPECT_TRUE(progress.events.empty());
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(a.EditEntries(), 0);
}

TEST(MoveSelected, AFailureHalfWayPutsEverythingBack) {
  EditingArchive a;
  a.catalogue.SetValue(Find(a.catalogue, "TCP"), ColLook, "yes");
  a.catalogue.Select(Find(a.catalogue, "TCP"));
  a.catalogue.Select(Find(a.catalogue, "UDP"));
  const auto setup = PrepareMove(a.catalogue, a.prompter);
  ASSERT_TRUE(setup.has_value());
  const std::string before = Dump(a.catalogue);
  RecordingProgress progress;
  progress.throwAtText = 2;  // after the first article has moved
  EXPECT_THROW(MoveSelected(a.catalogue, a.journal, *setup, Choose("Базы данных", "SQL"), &progress),
               std::runtime_error);
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Find(a.catalogue, "TCP")->Value(ColLook), "yes");
  EXPECT_EQ(Selected(a.catalogue), (std::vector<std::string>{"TCP", "UDP"}));
  EXPECT_FALSE(progress.open);
  EXPECT_EQ(a.EditEntries(), 0);
}

// ---------------------------------------------------------------- dialog move of subcategories

TEST(MoveSelected, TwoSubcategoriesIntoAnotherCategory) {
  EditingArchive a;
  CatalogueNode* nosql = Find(a.catalogue, "NoSQL");
  for (const char* t : {"Mongo", "Cassandra", "Neo4j", "Etcd"})
    test::Add(a.catalogue, nosql, {t, "", std::string(t) + ".html", "1", "yes"});
  a.catalogue.SetValue(nosql, ColCount, "5");
  a.catalogue.Sort();
  a.StartJournal();
  a.catalogue.Select(Find(a.catalogue, "SQL"));
  a.catalogue.Select(nosql);
  const std::string before = Dump(a.catalogue);
  const auto setup = PrepareMove(a.catalogue, a.prompter);
  ASSERT_TRUE(setup.has_value());
  EXPECT_EQ(setup->caption, "Перемещение [2]");
  RecordingProgress progress;
  EXPECT_EQ(MoveSelected(a.catalogue, a.journal, *setup, Choose("Сети"), &progress), MoveOutcome::Moved);

  const CatalogueNode* db = Find(a.catalogue, "Базы данных");
  const CatalogueNode* nets = Find(a.catalogue, "Сети");
  EXPECT_EQ(db->ChildCount(), 0);
  EXPECT_EQ(db->Value(ColCount), "0");
  EXPECT_EQ(nets->Value(ColCount), "3");
  EXPECT_EQ(test::Titles(a.catalogue, nets), (std::vector<std::string>{"NoSQL", "SQL", "Протоколы"}));
  const CatalogueNode* movedNoSql = Find(a.catalogue, "NoSQL");
  EXPECT_EQ(movedNoSql->Value(ColCount), "5");
  EXPECT_EQ(test::Titles(a.catalogue, movedNoSql),
            (std::vector<std::string>{"Cassandra", "Etcd", "Mongo", "Neo4j", "Redis"}));
  for (const CatalogueNode* article : movedNoSql->Children()) {
    EXPECT_EQ(article->Value(ColLook), "") << U(article->Title());
    EXPECT_EQ(article->Value(ColState), article->Title() == "Redis" ? "3" : "1");
  }
  EXPECT_EQ(Find(a.catalogue, "Joins")->Values(), (std::vector<std::string>{"Joins", "", "joins.html", "1"}));
  // No marker is left anywhere.
  EXPECT_EQ(Dump(a.catalogue).find("_for_del_"), std::string::npos);
  // The last article of the last subcategory (NoSQL, in tree order Redis)
  // ends selected; its subcategory is expanded, the other one not.
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Redis"});
  EXPECT_TRUE(movedNoSql->Expanded());
  EXPECT_FALSE(Find(a.catalogue, "SQL")->Expanded());
  EXPECT_EQ(progress.events.front(), "open Перемещение");
  EXPECT_NE(std::find(progress.events.begin(), progress.events.end(), "text SQL -..."), progress.events.end());
  EXPECT_NE(std::find(progress.events.begin(), progress.events.end(), "text NoSQL..."), progress.events.end());
  EXPECT_NE(std::find(progress.events.begin(), progress.events.end(), "max2 5"), progress.events.end());
  EXPECT_EQ(progress.events.back(), "close");

  ASSERT_EQ(a.EditEntries(), 1);
  EXPECT_EQ(a.LastOperation(), "Перемещение");
  EXPECT_EQ(a.LastDetail(), "SQL*1");
  ASSERT_TRUE(a.journal.Undo(a.catalogue));
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"SQL"});
  ASSERT_TRUE(a.journal.Redo(a.catalogue));
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"SQL"});
  EXPECT_EQ(Find(a.catalogue, "SQL")->Parent(), Find(a.catalogue, "Сети"));
}

TEST(MoveSelected, ATitleClashInTheTargetLeavesTheCatalogueAsItWas) {
  // The target already holds a subcategory of the same title (a loaded
  // file may): the copies' articles would land in it.
  EditingArchive a;
  CatalogueNode* nets = Find(a.catalogue, "Сети");
  test::Add(a.catalogue, nets, {"SQL", "0"});
  a.catalogue.SetValue(nets, ColCount, "2");
  a.catalogue.Sort();
  a.StartJournal();
  a.catalogue.SelectOnly(Find(a.catalogue, "SQL"));  // the one in Базы данных
  ASSERT_EQ(U(a.catalogue.SelectedNode(0)->Parent()->Title()), "Базы данных");
  const std::string before = Dump(a.catalogue);
  const auto setup = PrepareMove(a.catalogue, a.prompter);
  ASSERT_TRUE(setup.has_value());
  RecordingProgress progress;
  EXPECT_EQ(MoveSelected(a.catalogue, a.journal, *setup, Choose("Сети"), &progress), MoveOutcome::Failed);
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"SQL"});
  EXPECT_EQ(progress.events.back(), "close");
  EXPECT_EQ(a.EditEntries(), 0);
}

TEST(MoveSelected, TheMarkerNeverTouchesASubcategoryThatCarriesItForReal) {
  // Titles that begin with the marker: the moved nodes are tracked as
  // nodes, so the user's "_for_del_SQL" moves as itself and a bystander
  // with the marker stays.
  EditingArchive a;
  CatalogueNode* db = Find(a.catalogue, "Базы данных");
  CatalogueNode* marked = test::Add(a.catalogue, db, {"_for_del_SQL", "1"});
  test::Add(a.catalogue, marked, {"Kept", "", "kept.html", "2"});
  CatalogueNode* bystander = test::Add(a.catalogue, Find(a.catalogue, "Языки"), {"_for_del_NoSQL", "0"});
  a.catalogue.SetValue(db, ColCount, "3");
  a.catalogue.SetValue(Find(a.catalogue, "Языки"), ColCount, "2");
  a.catalogue.Sort();
  a.StartJournal();
  a.catalogue.Select(Find(a.catalogue, "SQL"));
  a.catalogue.Select(marked);
  const auto setup = PrepareMove(a.catalogue, a.prompter);
  ASSERT_TRUE(setup.has_value());
  EXPECT_EQ(MoveSelected(a.catalogue, a.journal, *setup, Choose("Сети"), nullptr), MoveOutcome::Moved);
  const CatalogueNode* nets = Find(a.catalogue, "Сети");
  EXPECT_EQ(test::Titles(a.catalogue, nets), (std::vector<std::string>{"SQL", "_for_del_SQL", "Протоколы"}));
  EXPECT_EQ(test::Titles(a.catalogue, Find(a.catalogue, "_for_del_SQL")), std::vector<std::string>{"Kept"});
  EXPECT_EQ(test::Titles(a.catalogue, db), std::vector<std::string>{"NoSQL"});
  EXPECT_EQ(db->Value(ColCount), "1");
  EXPECT_EQ(nets->Value(ColCount), "3");
  EXPECT_EQ(bystander->Title(), "_for_del_NoSQL");
  EXPECT_EQ(bystander->Parent(), Find(a.catalogue, "Языки"));
}

// ---------------------------------------------------------------- drag and drop

TEST(DragOver, AcceptsOnlyAParentOfTheLevelAbove) {
  EditingArchive a;
  const Catalogue& c = a.catalogue;
  struct Case {
    const char* name;
    std::vector<const char*> selected;
    const char* target;
    bool fromTree;
    bool accept;
    std::optional<std::string> status;
    bool warning;
  };
  const Case cases[] = {
      {"nothing selected", {}, "SQL", true, true, std::nullopt, false},
      {"no node under the pointer", {"TCP"}, nullptr, true, false, std::nullopt, false},
      {"article over a subcategory", {"TCP"}, "SQL", true, true, "Переместить в \"SQL\"", false},
      {"article over its own subcategory", {"TCP"}, "Протоколы", true, true, "Переместить в \"Протоколы\"", false},
      {"from another control", {"TCP"}, "SQL", false, false, "Переместить в \"SQL\"", false},
      {"article over a category", {"TCP"}, "Сети", true, false, "Сюда переместить нельзя!", true},
      {"article over an article", {"TCP"}, "UDP", true, false, "Сюда переместить нельзя!", true},
      {"subcategory over a category", {"SQL", "NoSQL"}, "Языки", true, true, "Переместить в \"Языки\"", false},
      {"category anywhere", {"Сети"}, "Языки", true, false, "Сюда переместить нельзя!", true},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    a.catalogue.ClearSelection();
    for (const char* t : k.selected) a.catalogue.Select(Find(c, t));
    const DragFeedback f = DecideDragOver(c, k.target ? Find(c, k.target) : nullptr, k.fromTree);
    EXPECT_EQ(f.accept, k.accept);
    EXPECT_EQ(f.statusText, k.status);
    EXPECT_EQ(f.warningImage, k.warning);
  }
}

TEST(DropSelected, MovesTheNodesThemselvesWithTheirViewedMark) {
  EditingArchive a;
  a.catalogue.SetValue(Find(a.catalogue, "TCP"), ColLook, "yes");
  a.StartJournal();
  a.catalogue.Select(Find(a.catalogue, "UDP"));
  a.catalogue.Select(Find(a.catalogue, "TCP"));
  const std::string before = Dump(a.catalogue);
  CatalogueNode* sql = Find(a.catalogue, "SQL");
  EXPECT_EQ(DropSelected(a.catalogue, a.journal, a.prompter, sql, true), DropOutcome::Moved);
  EXPECT_TRUE(a.prompter.messages.empty());
  EXPECT_EQ(test::Titles(a.catalogue, sql), (std::vector<std::string>{"Joins", "TCP", "UDP", "Индексы"}));
  EXPECT_EQ(Find(a.catalogue, "TCP")->Values(), (std::vector<std::string>{"TCP", "", "tcp.html", "2", "yes"}));
  EXPECT_EQ(sql->Value(ColCount), "4");
  EXPECT_EQ(Find(a.catalogue, "Протоколы")->Value(ColCount), "0");
  EXPECT_EQ(a.catalogue.SelectedCount(), 0);
  ASSERT_EQ(a.EditEntries(), 1);
  EXPECT_EQ(a.LastOperation(), "Перемещение");
  EXPECT_EQ(a.LastDetail(), "TCP*2");  // the last node moved
  ASSERT_TRUE(a.journal.Undo(a.catalogue));
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"TCP"});
  ASSERT_TRUE(a.journal.Redo(a.catalogue));
  EXPECT_EQ(Find(a.catalogue, "TCP")->Parent(), Find(a.catalogue, "SQL"));
}

TEST(DropSelected, SubcategoryCarriesItsArticles) {
  EditingArchive a;
  a.catalogue.SelectOnly(Find(a.catalogue, "Протоколы"));
  CatalogueNode* langs = Find(a.catalogue, "Языки");
  EXPECT_EQ(DropSelected(a.catalogue, a.journal, a.prompter, langs, true), DropOutcome::Moved);
  EXPECT_EQ(test::Titles(a.catalogue, langs), (std::vector<std::string>{"Cpp", "Протоколы"}));
  EXPECT_EQ(test::Titles(a.catalogue, Find(a.catalogue, "Протоколы")), (std::vector<std::string>{"TCP", "UDP"}));
  EXPECT_EQ(langs->Value(ColCount), "2");
  EXPECT_EQ(Find(a.catalogue, "Сети")->Value(ColCount), "0");
  EXPECT_EQ(a.LastDetail(), "Протоколы*1");
}

TEST(DropSelected, RefusalsAndMisses) {
  EditingArchive a;
  const std::string before = Dump(a.catalogue);
  EXPECT_EQ(DropSelected(a.catalogue, a.journal, a.prompter, Find(a.catalogue, "SQL"), true), DropOutcome::Nothing);
  a.catalogue.SelectOnly(Find(a.catalogue, "TCP"));
  EXPECT_EQ(DropSelected(a.catalogue, a.journal, a.prompter, nullptr, true), DropOutcome::Nothing);
  EXPECT_EQ(DropSelected(a.catalogue, a.journal, a.prompter, Find(a.catalogue, "SQL"), false), DropOutcome::Nothing);
  EXPECT_TRUE(a.prompter.messages.empty());
  EXPECT_EQ(DropSelected(a.catalogue, a.journal, a.prompter, Find(a.catalogue, "Сети"), true), DropOutcome::Refused);
  ASSERT_EQ(a.prompter.messages.size(), 1u);
  const Message& m = a.prompter.messages[0];
  EXPECT_EQ(m.text,
            "При перемещении не должна быть нарушена структура дерева, уровень элементов должен оставаться "
            "неизменным! Отпускать кнопку мыши нужно над предполагаемым родительским элементом!");
  EXPECT_EQ(m.kind, MessageKind::Error);
  EXPECT_EQ(m.helpContext, 30);
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(a.EditEntries(), 0);
}

TEST(DropSelected, OntoThePresentParentIsRecorded) {
  EditingArchive a;
  CatalogueNode* proto = Find(a.catalogue, "Протоколы");
  a.catalogue.SelectOnly(Find(a.catalogue, "TCP"));
  const std::string before = Dump(a.catalogue);
  EXPECT_EQ(DropSelected(a.catalogue, a.journal, a.prompter, proto, true), DropOutcome::Moved);
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(a.EditEntries(), 1);
}

}  // namespace
}  // namespace lrv
