#include <gtest/gtest.h>

#include <functional>

#include "catalogue/catalogue_rules.h"
#include "catalogue/journal.h"
#include "catalogue/selection.h"
#include "platform/fake/fake_disk.h"
#include "backup_test_support.h"

namespace lrv {
namespace {

using test::A;
using test::Add;
using test::Archive;
using test::Titles;
using test::TitlesIn;

// ---------------------------------------------------------------- entry fields

struct FieldCase {
  const char* name;
  std::string entry;
  int number;
  std::string operation;
  std::string detail;
};

void PrintTo(const FieldCase& k, std::ostream* os) { *os << k.name; }

class JournalEntryFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(JournalEntryFields, SplitAtTheFirstSeparators) {
  const FieldCase& k = GetParam();
  EXPECT_EQ(EntryNumber(k.entry), k.number);
  EXPECT_EQ(EntryOperation(k.entry), k.operation);
  EXPECT_EQ(EntryDetail(k.entry), k.detail);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JournalEntryFields,
    ::testing::Values(FieldCase{"Full", "7^Op~Title*0`", 7, "Op", "Title*0`"},
                      FieldCase{"StartupEntry", "1^~", 1, "", ""},
                      FieldCase{"Blank", "   ", -1, "", ""},
                      FieldCase{"NoCaret", "12~x", -1, "", "x"},
                      FieldCase{"NoNumber", "abc^Op~d", -1, "Op", "d"},
                      FieldCase{"NoTilde", "3^Op", 3, "", ""},
                      FieldCase{"TildeBeforeCaret", "3~d^Op", -1, "", "d^Op"},
                      FieldCase{"SecondTildeStaysInTheDetail", "4^Op~a~b", 4, "Op", "a~b"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JournalEntryFields, IndexOfNumberFindsTheFirst) {
  const std::vector<std::string> entries = {"1^~", "2^a~", "5^b~", "5^c~"};
  EXPECT_EQ(EntryIndexOfNumber(entries, 5), 2);
  EXPECT_EQ(EntryIndexOfNumber(entries, 3), -1);
  EXPECT_EQ(EntryIndexOfNumber({}, 1), -1);
}

// ---------------------------------------------------------------- a journal on disk

// Nets{Protocols{TCP, UDP}}, Langs{Cpp{Templates}}.
void FillBase(Catalogue& c) {
  CatalogueNode* nets = Add(c, nullptr, {"Nets", "1"});
  CatalogueNode* protocols = Add(c, nets, {"Protocols", "2"});
  Add(c, protocols, {"TCP", "", "tcp.html", "2"});
  Add(c, protocols, {"UDP", "", "udp.html", "3"});
  CatalogueNode* langs = Add(c, nullptr, {"Langs", "1"});
  CatalogueNode* cpp = Add(c, langs, {"Cpp", "1"});
  Add(c, cpp, {"Templates", "", "templates.html"});
}

CatalogueNode* Find(const Catalogue& c, std::string_view title) {
  CatalogueNode* found = nullptr;
  ForEachNodeOfThreeLevels(c, [&](CatalogueNode* n) {
    if (found == nullptr && n->Title() == title) found = n;
  });
  return found;
}

struct Journal {
  Archive a;
  FakeDisk disk;
  Catalogue catalogue;
  UndoJournal journal{a.dirs, disk};

  Journal() {
    fs::create_directories(a.dirs.TempDir());
    FillBase(catalogue);
    journal.RecordJournalEntry(catalogue, JournalOp::Startup);
  }
  void AddCategory(const std::string& title) {
    Add(catalogue, nullptr, {title, "0"});
    journal.RecordJournalEntry(catalogue, JournalOp::AddCategory, title);
  }
  std::vector<std::string> Roots() const { return Titles(catalogue, nullptr); }
  std::vector<int> Numbers() const {
    std::vector<int> n;
    for (const std::string& e : journal.Entries()) n.push_back(EntryNumber(e));
    return n;
  }
};

TEST(UndoJournal, RecordUndoTwiceRecordAgain) {
  Journal j;
  j.AddCategory("E1");
  j.AddCategory("E2");
  j.AddCategory("E3");
  EXPECT_EQ(j.Numbers(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(TitlesIn(j.a.File("tree.auto")), (std::vector<std::string>{"Nets", "Langs", "E1", "E2", "E3"}));

  ASSERT_TRUE(j.journal.Undo(j.catalogue));
  ASSERT_TRUE(j.journal.Undo(j.catalogue));
  EXPECT_EQ(j.Roots(), (std::vector<std::string>{"E1", "Langs", "Nets"}));  // re-sorted by title
  EXPECT_EQ(j.journal.CurrentIndex(), 1);
  EXPECT_EQ(TitlesIn(j.a.File("tree.auto")), (std::vector<std::string>{"E1", "Langs", "Nets"}));
  EXPECT_TRUE(j.journal.CanRedo(true));

  j.AddCategory("F");
  EXPECT_EQ(j.Numbers(), (std::vector<int>{1, 2, 5}));
  EXPECT_EQ(j.journal.CurrentIndex(), 2);
  EXPECT_FALSE(fs::exists(j.journal.SnapshotPath(3)));
  EXPECT_FALSE(fs::exists(j.journal.SnapshotPath(4)));
  EXPECT_EQ(TitlesIn(j.journal.SnapshotPath(5)), (std::vector<std::string>{"E1", "Langs", "Nets", "F"}));
  EXPECT_FALSE(j.journal.CanRedo(true));
  EXPECT_TRUE(j.journal.CanUndo(true));
  EXPECT_EQ(j.journal.Entries()[2], "5^" + A("Добавление категории") + "~F");
}

TEST(UndoJournal, AddCategoryUndoSelectsNothingRedoSelectsIt) {
  Journal j;
  j.AddCategory("New");
  ASSERT_TRUE(j.journal.Undo(j.catalogue));
  EXPECT_EQ(Find(j.catalogue, "New"), nullptr);
  EXPECT_EQ(j.catalogue.SelectedCount(), 0);
  ASSERT_TRUE(j.journal.Redo(j.catalogue));
  CatalogueNode* added = Find(j.catalogue, "New");
  ASSERT_NE(added, nullptr);
  EXPECT_TRUE(added->IsSelected());
  EXPECT_EQ(j.catalogue.Focused(), added);
  EXPECT_FALSE(j.journal.Redo(j.catalogue));
}

TEST(UndoJournal, HistoryMenusListEntriesAndClickingJumps) {
  Journal j;
  j.AddCategory("E1");
  Add(j.catalogue, j.catalogue.Root(0), {"Sub", "0"});
  j.journal.RecordJournalEntry(j.catalogue, JournalOp::AddSubcategory, AddSubcategoryDetail("Sub", "Nets"));
  j.AddCategory("E3");

  auto captions = [](const std::vector<HistoryItem>& items) {
    std::vector<std::pair<std::string, int>> out;
    for (const HistoryItem& i : items) out.emplace_back(i.caption, i.number);
    return out;
  };
  using Items = std::vector<std::pair<std::string, int>>;
  EXPECT_EQ(captions(j.journal.HistoryBack()),
            (Items{{"Добавление категории", 4}, {"Добавление подкатегории", 3}, {"Добавление категории", 2}}));
  EXPECT_TRUE(j.journal.HistoryForward().empty());

  // The oldest item of the back menu returns to the state after start-up.
  ASSERT_TRUE(j.journal.ClickHistoryItem(j.catalogue, HistoryMenu::Back, 2));
  EXPECT_EQ(j.journal.CurrentIndex(), 0);
  EXPECT_EQ(j.Roots(), (std::vector<std::string>{"Langs", "Nets"}));
  EXPECT_TRUE(j.journal.HistoryBack().empty());
  EXPECT_FALSE(j.journal.CanUndo(true));
  EXPECT_EQ(captions(j.journal.HistoryForward()),
            (Items{{"Добавление категории", 2}, {"Добавление подкатегории", 3}, {"Добавление категории", 4}}));

  // A forward item advances to the state after the operation clicked.
  ASSERT_TRUE(j.journal.ClickHistoryItem(j.catalogue, HistoryMenu::Forward, 3));
  EXPECT_EQ(j.journal.CurrentIndex(), 2);
  EXPECT_EQ(j.Roots(), (std::vector<std::string>{"E1", "Langs", "Nets"}));
  EXPECT_NE(Find(j.catalogue, "Sub"), nullptr);
  EXPECT_TRUE(Find(j.catalogue, "Sub")->IsSelected());
  EXPECT_EQ(captions(j.journal.HistoryForward()), (Items{{"Добавление категории", 4}}));

  EXPECT_FALSE(j.journal.ClickHistoryItem(j.catalogue, HistoryMenu::Back, 1));  // nothing before the first
  EXPECT_FALSE(j.journal.ClickHistoryItem(j.catalogue, HistoryMenu::Forward, 99));
  EXPECT_EQ(j.journal.CurrentIndex(), 2);
}

struct EnablingCase {
  const char* name;
  int edits;
  int undos;
  bool treeInView;
  bool canUndo;
  bool canRedo;
};

void PrintTo(const EnablingCase& k, std::ostream* os) { *os << k.name; }

class JournalEnabling : public ::testing::TestWithParam<EnablingCase> {};

TEST_P(JournalEnabling, FollowsTheCurrentIndex) {
  const EnablingCase& k = GetParam();
  Journal j;
  for (int i = 0; i < k.edits; ++i) j.AddCategory("E" + std::to_string(i));
  for (int i = 0; i < k.undos; ++i) j.journal.Undo(j.catalogue);
  EXPECT_EQ(j.journal.CanUndo(k.treeInView), k.canUndo);
  EXPECT_EQ(j.journal.CanRedo(k.treeInView), k.canRedo);
}

INSTANTIATE_TEST_SUITE_P(Cases, JournalEnabling,
                         ::testing::Values(EnablingCase{"OnlyTheStartupEntry", 0, 0, true, false, false},
                                           EnablingCase{"OneEdit", 1, 0, true, true, false},
                                           EnablingCase{"OneEditUndone", 1, 1, true, false, true},
                                           EnablingCase{"InTheMiddle", 2, 1, true, true, true},
                                           EnablingCase{"TreeNotInView", 2, 1, false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UndoJournal, NothingIsRecordedFromARemovableDisk) {
  Journal j;
  j.journal.Reset();
  j.disk.fixed = false;
  fs::remove_all(j.a.dirs.TempDir());
  fs::remove(j.a.File("tree.auto"));
  j.AddCategory("E1");
  EXPECT_TRUE(j.journal.Entries().empty());
  EXPECT_FALSE(j.journal.CanUndo(true));
  EXPECT_FALSE(fs::exists(j.a.dirs.TempDir()));
  EXPECT_FALSE(j.a.Has("tree.auto"));
}

TEST(UndoJournal, ASnapshotThatCannotBeSavedAddsNoEntry) {
  Journal j;
  j.AddCategory("E1");
  testing::FailWritesAfter(0);
  EXPECT_THROW(j.AddCategory("E2"), IoError);
  testing::FailWritesAfter(std::nullopt);
  EXPECT_EQ(j.Numbers(), (std::vector<int>{1, 2}));
  EXPECT_EQ(j.journal.CurrentIndex(), 1);
  // Undo goes back one real step, and numbering goes on past the failed one.
  ASSERT_TRUE(j.journal.Undo(j.catalogue));
  EXPECT_EQ(j.Roots(), (std::vector<std::string>{"Langs", "Nets"}));
  j.AddCategory("E3");
  EXPECT_EQ(j.Numbers(), (std::vector<int>{1, 4}));
}

TEST(UndoJournal, AMissingTempDirIsCreatedAgain) {
  Journal j;
  fs::remove_all(j.a.dirs.TempDir());
  j.AddCategory("E1");
  EXPECT_TRUE(fs::exists(j.journal.SnapshotPath(2)));
}

TEST(UndoJournal, ASnapshotThatCannotBeLoadedChangesNothing) {
  Journal j;
  j.AddCategory("E1");
  j.AddCategory("E2");
  test::WriteDamaged(j.journal.SnapshotPath(2));
  const std::string autoBefore = *ReadFile(j.a.File("tree.auto"));
  const auto rootsBefore = j.Roots();
  EXPECT_THROW(j.journal.Undo(j.catalogue), IoError);
  EXPECT_EQ(j.Roots(), rootsBefore);
  EXPECT_EQ(j.journal.CurrentIndex(), 2);
  EXPECT_EQ(*ReadFile(j.a.File("tree.auto")), autoBefore);

  fs::remove(j.journal.SnapshotPath(2));
  EXPECT_THROW(j.journal.ClickHistoryItem(j.catalogue, HistoryMenu::Back, 3), IoError);
  EXPECT_EQ(j.journal.CurrentIndex(), 2);
  // Further back still works.
  ASSERT_TRUE(j.journal.ClickHistoryItem(j.catalogue, HistoryMenu::Back, 2));
  EXPECT_EQ(j.journal.CurrentIndex(), 0);
}

// ---------------------------------------------------------------- selection after undo and redo

// The first selected node as "title:level:" + 'x' when expanded else '-',
// 'a' when every ancestor is expanded else '-', 'v' for an article marked
// viewed; "" with nothing selected. The selected node must be the focused one.
std::string SelectionOf(const Catalogue& c) {
  const CatalogueNode* n = c.SelectedNode(0);
  if (n == nullptr) return "";
  EXPECT_EQ(c.Focused(), n);
  EXPECT_EQ(c.SelectedCount(), 1);
  bool ancestors = true;
  for (const CatalogueNode* p = n->Parent(); p != nullptr; p = p->Parent()) ancestors = ancestors && p->Expanded();
  std::string s = n->Title() + ":" + std::to_string(n->Depth()) + ":";
  s += n->Expanded() ? 'x' : '-';
  s += ancestors ? 'a' : '-';
  if (n->IsArticle() && n->Value(ColLook) == kLookedYes) s += 'v';
  return s;
}

struct SelectionCase {
  const char* name;
  JournalOp op;
  std::string detail;
  std::function<void(Catalogue&)> edit;
  std::string afterUndo;
  std::string afterRedo;
};

void PrintTo(const SelectionCase& k, std::ostream* os) { *os << k.name; }

class SelectionAfterRestore : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelectionAfterRestore, PutsTheFocusWhereTheOperationWas) {
  const SelectionCase& k = GetParam();
  Journal j;
  k.edit(j.catalogue);
  j.journal.RecordJournalEntry(j.catalogue, k.op, k.detail);
  ASSERT_TRUE(j.journal.Undo(j.catalogue));
  EXPECT_EQ(SelectionOf(j.catalogue), k.afterUndo) << "undo";
  ASSERT_TRUE(j.journal.Redo(j.catalogue));
  EXPECT_EQ(SelectionOf(j.catalogue), k.afterRedo) << "redo";
}

void Remove(Catalogue& c, std::string_view title) { c.DeleteNode(Find(c, title)); }
void Retitle(Catalogue& c, std::string_view from, std::string_view to) { c.SetValue(Find(c, from), ColTitle, to); }
void NoChange(Catalogue&) {}

INSTANTIATE_TEST_SUITE_P(
    Rows, SelectionAfterRestore,
    ::testing::Values(
        SelectionCase{"AddCategory", JournalOp::AddCategory, "New", [](Catalogue& c) { Add(c, nullptr, {"New"}); },
                      "", "New:0:-a"},
        SelectionCase{"AddSubcategory", JournalOp::AddSubcategory, AddSubcategoryDetail("Sockets", "Nets"),
                      [](Catalogue& c) { Add(c, Find(c, "Nets"), {"Sockets"}); }, "Nets:0:xa", "Sockets:1:-a"},
        SelectionCase{"AddArticle", JournalOp::AddArticle, AddArticleDetail("IP", "Protocols"),
                      [](Catalogue& c) { Add(c, Find(c, "Protocols"), {"IP", "", "ip.html"}); }, "Protocols:1:xa",
                      "IP:2:-av"},
        SelectionCase{"DeleteArticle", JournalOp::Delete, DeleteDetail("UDP", 2, "Protocols"),
                      [](Catalogue& c) { Remove(c, "UDP"); }, "UDP:2:-av", "Protocols:1:xa"},
        SelectionCase{"DeleteSubcategory", JournalOp::Delete, DeleteDetail("Cpp", 1, "Langs"),
                      [](Catalogue& c) { Remove(c, "Cpp"); }, "Cpp:1:-a", "Langs:0:xa"},
        SelectionCase{"DeleteCategory", JournalOp::Delete, DeleteDetail("Langs", 0, ""),
                      [](Catalogue& c) { Remove(c, "Langs"); }, "Langs:0:-a", ""},
        SelectionCase{"DeleteWithALevelThatIsNoNumber", JournalOp::Delete, "Langs*x`",
                      [](Catalogue& c) { Remove(c, "Langs"); }, "Langs:0:-a", ""},
        SelectionCase{"RenameArticle", JournalOp::Rename, RenameDetail("TCP", "TCP/IP", 2, "Protocols"),
                      [](Catalogue& c) { Retitle(c, "TCP", "TCP/IP"); }, "TCP:2:-av", "TCP/IP:2:-av"},
        SelectionCase{"RenameSubcategory", JournalOp::Rename, RenameDetail("Cpp", "C++", 1, "Langs"),
                      [](Catalogue& c) { Retitle(c, "Cpp", "C++"); }, "Cpp:1:-a", "C++:1:-a"},
        SelectionCase{"RenameCategory", JournalOp::Rename, RenameDetail("Nets", "Networks", 0, ""),
                      [](Catalogue& c) { Retitle(c, "Nets", "Networks"); }, "Nets:0:-a", "Networks:0:-a"},
        SelectionCase{"ArticleProperties", JournalOp::ArticleProperties, ArticlePropertiesDetail("UDP", "Datagrams"),
                      [](Catalogue& c) { Retitle(c, "UDP", "Datagrams"); }, "UDP:2:-av", "Datagrams:2:-av"},
        SelectionCase{"MoveSubcategory", JournalOp::Move, MoveDetail("Cpp", 1),
                      [](Catalogue& c) { c.MoveNode(Find(c, "Cpp"), Find(c, "Nets")); }, "Cpp:1:-a", "Cpp:1:-a"},
        SelectionCase{"MoveArticle", JournalOp::Move, MoveDetail("Templates", 2),
                      [](Catalogue& c) { c.MoveNode(Find(c, "Templates"), Find(c, "Protocols")); }, "Templates:2:-av",
                      "Templates:2:-av"},
        SelectionCase{"MoveWithALevelThatIsNoNumberMeansASubcategory", JournalOp::Move, "Cpp*?", NoChange,
                      "Cpp:1:-a", "Cpp:1:-a"},
        SelectionCase{"MoveOfACategoryLevelSelectsNothing", JournalOp::Move, MoveDetail("Nets", 0), NoChange, "",
                      ""},
        SelectionCase{"MarkArticleMatchesTrimmedWithoutCase", JournalOp::MarkArticle, " tcp ",
                      [](Catalogue& c) { c.SetValue(Find(c, "TCP"), ColState, "1"); }, "TCP:2:-av", "TCP:2:-av"},
        SelectionCase{"LoadTreeWithASelection", JournalOp::LoadTree, "1*UDP`2",
                      [](Catalogue& c) { c.Clear(); Add(c, nullptr, {"Loaded"}); }, "UDP:2:-av", ""},
        SelectionCase{"LoadTreeWithoutSelection", JournalOp::LoadTree, "0*",
                      [](Catalogue& c) { c.Clear(); }, "", ""},
        SelectionCase{"ClearTree", JournalOp::ClearTree, "2*Nets`0", [](Catalogue& c) { c.Clear(); }, "Nets:0:-a",
                      ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SelectionAfterRestore, AMarkingCopiesTheStatesIntoTheResultList) {
  Journal j;
  j.catalogue.SetValue(Find(j.catalogue, "TCP"), ColState, "1");
  j.journal.RecordJournalEntry(j.catalogue, JournalOp::MarkArticle, "TCP");
  ResultList results;
  results.rows.push_back(ResultRowOf(*Find(j.catalogue, "TCP")));
  results.rows.push_back(ResultRowOf(*Find(j.catalogue, "UDP")));
  ResultRow stranger;
  stranger.SetValue(ColFileName, "TCP.HTML");  // letter case differs: no match
  stranger.SetValue(ColState, "9");
  results.rows.push_back(stranger);

  ASSERT_TRUE(j.journal.Undo(j.catalogue, &results));
  EXPECT_EQ(results.rows[0].Value(ColState), "2");
  EXPECT_EQ(results.rows[1].Value(ColState), "3");
  EXPECT_EQ(results.rows[2].Value(ColState), "9");
  ASSERT_TRUE(j.journal.Redo(j.catalogue, &results));
  EXPECT_EQ(results.rows[0].Value(ColState), "1");
}

// ---------------------------------------------------------------- selecting by title

TEST(SelectByTitle, ComparesTrimmedWithoutCaseAndTakesTheFirstInTreeOrder) {
  Catalogue c;
  CatalogueNode* db = Add(c, nullptr, {A("Базы данных")});
  CatalogueNode* sub = Add(c, db, {A("Общее")});
  CatalogueNode* first = Add(c, sub, {A("Ёлка")});
  CatalogueNode* other = Add(c, nullptr, {A("Другое")});
  CatalogueNode* sub2 = Add(c, other, {A("Разное")});
  Add(c, sub2, {A("ёлка")});

  EXPECT_EQ(SelectArticleByTitle(c, A("  ЁЛКА ")), first);
  EXPECT_EQ(SelectCategoryByTitle(c, A("базы ДАННЫХ"), true), db);
  EXPECT_TRUE(db->Expanded());
  EXPECT_EQ(c.SelectedCount(), 1);
  EXPECT_EQ(SelectSubcategoryByTitle(c, A("разное"), true), sub2);
  EXPECT_TRUE(other->Expanded());
  EXPECT_TRUE(sub2->Expanded());
}

TEST(SelectByTitle, NoMatchLeavesNothingSelected) {
  Catalogue c;
  FillBase(c);
  c.SelectOnly(Find(c, "TCP"));
  EXPECT_EQ(SelectArticleByTitle(c, "Nothing"), nullptr);
  EXPECT_EQ(c.SelectedCount(), 0);
  c.SelectOnly(Find(c, "TCP"));
  EXPECT_EQ(SelectArticleByTitle(c, "   "), nullptr);
  EXPECT_EQ(c.SelectedCount(), 0);
  c.SelectOnly(Find(c, "TCP"));
  EXPECT_EQ(SelectByLevel(c, 3, "TCP"), nullptr);
  EXPECT_EQ(c.SelectedCount(), 0);
  // A category's title does not find an article, nor an article's a category.
  EXPECT_EQ(SelectArticleByTitle(c, "Nets"), nullptr);
  EXPECT_EQ(SelectCategoryByTitle(c, "TCP", false), nullptr);
}

}  // namespace
}  // namespace lrv
