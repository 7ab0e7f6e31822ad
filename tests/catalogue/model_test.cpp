#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_rules.h"
#include "test_support.h"

namespace lrv {
namespace {

using test::A;
using test::Add;
using test::Titles;

TEST(CatalogueValues, WritingAColumnExtendsTheListAndReadingBeyondYieldsEmpty) {
  Catalogue c;
  CatalogueNode* n = c.AddRoot();
  EXPECT_EQ(n->ValueCount(), 0);
  c.SetValue(n, ColTitle, "title");
  c.SetValue(n, ColFileName, "a.html");
  ASSERT_EQ(n->ValueCount(), 3);
  EXPECT_EQ(n->Value(ColCount), "");
  EXPECT_EQ(n->Value(ColFileName), "a.html");
  EXPECT_EQ(n->Value(ColLook), "");
  EXPECT_EQ(n->Value(-1), "");
  c.SetValue(n, ColFileName, "");
  c.SetValue(n, ColTitle, "");
  EXPECT_EQ(n->ValueCount(), 3) << "the list never shrinks";
}

TEST(CatalogueValues, NewNodesStartWithTheSystemDefaults) {
  Catalogue c;
  const CatalogueNode* n = c.AddRoot();
  EXPECT_EQ(n->ImageIndex(), 0);
  EXPECT_EQ(n->SelectedIndex(), -1);
  EXPECT_EQ(n->StateIndex(), -1);
  EXPECT_EQ(n->Data(), 0);
  EXPECT_FALSE(n->Expanded());
  EXPECT_FALSE(n->IsSelected());
}

TEST(CatalogueStructure, LevelsParentsAndRowsFollowInsertDeleteAndMove) {
  Catalogue c;
  CatalogueNode* cat1 = Add(c, nullptr, {"c1"});
  CatalogueNode* cat2 = Add(c, nullptr, {"c2"});
  CatalogueNode* sub = Add(c, cat1, {"s"});
  CatalogueNode* a1 = Add(c, sub, {"a1"});
  CatalogueNode* a2 = Add(c, sub, {"a2"});
  CatalogueNode* a3 = Add(c, sub, {"a3"});
  EXPECT_EQ(cat1->Parent(), nullptr);
  EXPECT_EQ(sub->Parent(), cat1);
  EXPECT_EQ(a2->Level(), NodeLevel::Article);
  EXPECT_EQ(sub->Level(), NodeLevel::Subcategory);
  EXPECT_EQ(cat2->Row(), 1);
  EXPECT_EQ(a3->Row(), 2);

  c.DeleteNode(a1);
  EXPECT_EQ(a2->Row(), 0);
  EXPECT_EQ(a3->Row(), 1);

  ASSERT_TRUE(c.MoveNode(sub, cat2));
  EXPECT_EQ(cat1->ChildCount(), 0);
  EXPECT_EQ(sub->Parent(), cat2);
  ASSERT_TRUE(c.MoveNode(sub, nullptr));  // a subcategory becomes a root: its articles move up a level
  EXPECT_TRUE(sub->IsCategory());
  EXPECT_TRUE(a3->IsSubcategory());
  EXPECT_EQ(sub->Row(), 2);
  EXPECT_FALSE(c.MoveNode(sub, a3)) << "a node cannot move into its own subtree";
}

TEST(CatalogueSelection, OnlySiblingsAreSelectedTogetherAndTheFirstEntryComesFirst) {
  Catalogue c;
  CatalogueNode* cat = Add(c, nullptr, {"c"});
  CatalogueNode* s1 = Add(c, cat, {"s1"});
  CatalogueNode* s2 = Add(c, cat, {"s2"});
  CatalogueNode* s3 = Add(c, cat, {"s3"});
  CatalogueNode* article = Add(c, s1, {"a"});

  c.Select(s3);
  c.Select(s1);
  c.Select(s3);  // already selected: no change
  ASSERT_EQ(c.SelectedCount(), 2);
  EXPECT_EQ(c.SelectedNode(0), s3);
  EXPECT_EQ(c.SelectedNode(1), s1);
  EXPECT_EQ(c.SelectedNode(2), nullptr);

  c.Select(article);  // another parent: replaces the selection
  ASSERT_EQ(c.SelectedCount(), 1);
  EXPECT_EQ(c.SelectedNode(0), article);
  EXPECT_FALSE(s3->IsSelected());

  c.SelectOnly(s2);
  c.Select(s1);
  c.Deselect(s2);
  ASSERT_EQ(c.SelectedCount(), 1);
  EXPECT_EQ(c.SelectedNode(0), s1);
}

TEST(CatalogueSelection, DeletingNodesDropsThemFromSelectionAndFocus) {
  Catalogue c;
  CatalogueNode* cat = Add(c, nullptr, {"c"});
  CatalogueNode* other = Add(c, nullptr, {"o"});
  CatalogueNode* s1 = Add(c, cat, {"s1"});
  CatalogueNode* s2 = Add(c, cat, {"s2"});
  CatalogueNode* article = Add(c, s2, {"a"});

  c.Select(s1);
  c.Select(s2);
  c.SetFocused(article);
  c.DeleteNode(s2);  // one selected sibling and the focused article below it go
  ASSERT_EQ(c.SelectedCount(), 1);
  EXPECT_EQ(c.SelectedNode(0), s1);
  EXPECT_EQ(c.Focused(), nullptr);

  c.SetFocused(other);
  c.DeleteNode(cat);  // the ancestor of the whole selection goes
  EXPECT_EQ(c.SelectedCount(), 0);
  EXPECT_EQ(c.Focused(), other);
}

TEST(CatalogueSelection, MovingPartOfTheSelectionKeepsOnlySiblingsOfTheFirstEntry) {
  Catalogue c;
  CatalogueNode* cat = Add(c, nullptr, {"c"});
  CatalogueNode* s1 = Add(c, cat, {"s1"});
  CatalogueNode* s2 = Add(c, cat, {"s2"});
  CatalogueNode* a1 = Add(c, s1, {"a1"});
  CatalogueNode* a2 = Add(c, s1, {"a2"});
  c.Select(a1);
  c.Select(a2);
  c.MoveNode(a2, s2);
  ASSERT_EQ(c.SelectedCount(), 1);
  EXPECT_EQ(c.SelectedNode(0), a1);
  EXPECT_FALSE(a2->IsSelected());
}

// ---------------------------------------------------------------- sorting

struct CompareCase {
  const char* name;
  int column;
  SortMark mark;
  std::string a;
  std::string b;
  int expected;  // sign
};

class CompareRule : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareRule, DecidesBySignOfTheFirstMarkedColumn) {
  const CompareCase& k = GetParam();
  Catalogue c;
  CatalogueNode* a = c.AddRoot();
  CatalogueNode* b = c.AddRoot();
  c.SetValue(a, k.column, k.a);
  c.SetValue(b, k.column, k.b);
  SortMarks marks{};
  marks[static_cast<std::size_t>(k.column)] = k.mark;
  const int r = tlMainCompare(marks, *a, *b);
  EXPECT_EQ((r > 0) - (r < 0), k.expected);
  const int back = tlMainCompare(marks, *b, *a);
  EXPECT_EQ((back > 0) - (back < 0), -k.expected) << "antisymmetric";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompareRule,
    ::testing::Values(
        CompareCase{"LatinCapitalsBeforeSmall", ColTitle, SortMark::Ascending, "Zeta", "alpha", -1},
        CompareCase{"YoBeforeA", ColTitle, SortMark::Ascending, A("Ёлка"), A("Арбуз"), -1},
        CompareCase{"CapitalCyrillicBeforeSmall", ColTitle, SortMark::Ascending, A("Арбуз"), A("арбуз"), -1},
        CompareCase{"LatinBeforeCyrillic", ColTitle, SortMark::Ascending, "z", A("а"), -1},
        CompareCase{"PrefixFirst", ColTitle, SortMark::Ascending, "abc", "abcd", -1},
        CompareCase{"HighBytesAreUnsigned", ColTitle, SortMark::Ascending, "\x7f", "\x98", -1},
        CompareCase{"DescendingSwaps", ColTitle, SortMark::Descending, "a", "b", 1},
        CompareCase{"EqualTexts", ColTitle, SortMark::Ascending, "same", "same", 0},
        CompareCase{"CountsAsNumbers", ColCount, SortMark::Ascending, "9", "10", -1},
        CompareCase{"CountsTrimmed", ColCount, SortMark::Ascending, " 12 ", "3", 1},
        CompareCase{"CountsDescending", ColCount, SortMark::Descending, "9", "10", 1},
        CompareCase{"ExtremeCountsDoNotOverflow", ColCount, SortMark::Ascending, "-2147483648", "2147483647", -1},
        CompareCase{"EmptyCountsEqual", ColCount, SortMark::Ascending, "", "", 0},
        CompareCase{"NonNumbersEqual", ColCount, SortMark::Ascending, "x", "", 0},
        CompareCase{"NonNumberBeforeNumber", ColCount, SortMark::Ascending, "x", "5", -1},
        CompareCase{"FileNameColumn", ColFileName, SortMark::Ascending, "b.html", "a.html", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompareRule, NoMarkComparesEqualAndTheFirstMarkedColumnDecides) {
  Catalogue c;
  CatalogueNode* a = Add(c, nullptr, {"a", "2"});
  CatalogueNode* b = Add(c, nullptr, {"b", "1"});
  EXPECT_EQ(tlMainCompare(SortMarks{}, *a, *b), 0);
  SortMarks both{};
  both[ColTitle] = SortMark::Ascending;
  both[ColCount] = SortMark::Ascending;
  EXPECT_LT(tlMainCompare(both, *a, *b), 0) << "the title column comes first in column order";
}

// Every three count texts obey a strict weak ordering, so std::sort-like
// algorithms never misbehave on them.
TEST(CompareRule, CountComparisonIsAStrictWeakOrdering) {
  const std::vector<std::string> texts = {"", " ", "x", "1", "01", "-1", "10", "2", "$A", "12a", "2147483648"};
  Catalogue c;
  std::vector<CatalogueNode*> nodes;
  for (const auto& t : texts) nodes.push_back(Add(c, nullptr, {"t", t}));
  SortMarks marks{};
  marks[ColCount] = SortMark::Ascending;
  auto less = [&](const CatalogueNode* x, const CatalogueNode* y) { return tlMainCompare(marks, *x, *y) < 0; };
  auto equiv = [&](const CatalogueNode* x, const CatalogueNode* y) { return !less(x, y) && !less(y, x); };
  for (auto* x : nodes) {
    EXPECT_FALSE(less(x, x));
    for (auto* y : nodes)
      for (auto* z : nodes) {
        if (less(x, y) && less(y, z)) {
          EXPECT_TRUE(less(x, z));
        }
        if (equiv(x, y) && equiv(y, z)) {
          EXPECT_TRUE(equiv(x, z));
        }
      }
  }
}

TEST(CatalogueSort, SortsEveryLevelAndRenumbersRows) {
  Catalogue c;
  CatalogueNode* b = Add(c, nullptr, {"b"});
  CatalogueNode* a = Add(c, nullptr, {"a"});
  CatalogueNode* sub = Add(c, b, {"s"});
  Add(c, sub, {"z"});
  Add(c, sub, {"y"});
  CatalogueNode* deep = Add(c, sub, {"x"});  // level 3 below an article
  Add(c, deep, {"2"});
  Add(c, deep, {"1"});
  c.Sort();  // title ascending is the initial mark
  EXPECT_EQ(Titles(c, nullptr), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(a->Row(), 0);
  EXPECT_EQ(Titles(c, sub), (std::vector<std::string>{"x", "y", "z"}));
  EXPECT_EQ(Titles(c, deep), (std::vector<std::string>{"1", "2"}));

  c.SetSortMark(ColTitle, SortMark::Descending);
  EXPECT_EQ(Titles(c, sub), (std::vector<std::string>{"z", "y", "x"}));
  EXPECT_EQ(sub->Child(0)->Row(), 0);
}

TEST(CatalogueSort, CountOrderPutsFewestChildrenFirstAndKeepsEqualArticlesInPlace) {
  Catalogue c;
  CatalogueNode* ten = Add(c, nullptr, {"ten", "10"});
  Add(c, nullptr, {"nine", "9"});
  CatalogueNode* sub = Add(c, ten, {"s", "3"});
  for (const char* t : {"c", "a", "b"}) Add(c, sub, {t});
  c.SetSortMark(ColCount, SortMark::Ascending);
  EXPECT_EQ(c.GetSortMark(ColTitle), SortMark::None) << "a command's mark clears the others";
  EXPECT_EQ(Titles(c, nullptr), (std::vector<std::string>{"nine", "ten"}));
  EXPECT_EQ(Titles(c, sub), (std::vector<std::string>{"c", "a", "b"}));
}

// ---------------------------------------------------------------- images

struct ImageCase {
  const char* name;
  int level;
  std::string state;
  bool expanded, selected, focused;
  int image;
};

class ImageRule : public ::testing::TestWithParam<ImageCase> {};

TEST_P(ImageRule, PicksThePictureAndItsHighlightedVariant) {
  const ImageCase& k = GetParam();
  Catalogue c;
  CatalogueNode* n = c.AddRoot();
  for (int i = 0; i < k.level; ++i) n = c.AddChild(n);
  c.SetValue(n, ColState, k.state);
  c.SetExpanded(n, k.expanded);
  if (k.selected) c.Select(n);
  if (k.focused) c.SetFocused(n);
  EXPECT_EQ(DisplayImageIndex(c, *n), k.image);
  RefreshNodeImage(c, n);
  EXPECT_EQ(n->ImageIndex(), k.image);
  EXPECT_EQ(n->SelectedIndex(), k.image);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageRule,
    ::testing::Values(ImageCase{"CollapsedCategory", 0, "", false, false, false, 0},
                      ImageCase{"ExpandedSubcategory", 1, "", true, false, false, 2},
                      ImageCase{"FocusedExpandedCategory", 0, "", true, false, true, 3},
                      ImageCase{"CategoryStateIgnored", 0, "1", false, false, false, 0},
                      ImageCase{"Favourite", 2, "1", false, false, false, 8},
                      ImageCase{"New", 2, "2", false, false, false, 6},
                      ImageCase{"Read", 2, "3", false, false, false, 10},
                      ImageCase{"NotRead", 2, "", false, false, false, 4},
                      ImageCase{"UnknownStateShowsNotRead", 2, "4", false, false, false, 4},
                      ImageCase{"SelectedNewArticle", 2, "", false, true, false, 5},
                      ImageCase{"SelectedAndFocusedAddOne", 2, "3", false, true, true, 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImageRule, TheHotTrackedNodeIsHighlightedToo) {
  Catalogue c;
  CatalogueNode* n = c.AddRoot();
  EXPECT_EQ(DisplayImageIndex(c, *n, n), 1);
  EXPECT_EQ(DisplayImageIndex(c, *n, nullptr), 0);
}

// ---------------------------------------------------------------- counts and walks

TEST(RecountChildren, WritesChildCountsOfTheTwoUpperLevelsAndResorts) {
  Catalogue c;
  CatalogueNode* empty = Add(c, nullptr, {"z"});
  CatalogueNode* full = Add(c, nullptr, {"a", "wrong"});
  CatalogueNode* sub = Add(c, full, {"s"});
  CatalogueNode* article = Add(c, sub, {"t"});
  Add(c, sub, {"u"});
  Add(c, article, {"deep"});
  RecountChildren(c);
  EXPECT_EQ(empty->Value(ColCount), "0");
  EXPECT_EQ(full->Value(ColCount), "1");
  EXPECT_EQ(sub->Value(ColCount), "2");
  EXPECT_EQ(article->ValueCount(), 1) << "articles are not touched";
  EXPECT_EQ(Titles(c, nullptr), (std::vector<std::string>{"a", "z"}));
}

TEST(StatusCounts, CountsThreeLevelsAndFormatsTheCaptions) {
  Catalogue empty;
  const StatusCaptions none = UpdateStatusCounts(empty);
  EXPECT_EQ(none.categories, "Категорий: 0");
  EXPECT_EQ(none.subcategories, "Подкатегорий: 0");
  EXPECT_EQ(none.articles, "Статей в архиве: 0");

  Catalogue c;
  CatalogueNode* cat = Add(c, nullptr, {"c"});
  Add(c, nullptr, {"d"});
  CatalogueNode* sub = Add(c, cat, {"s"});
  Add(c, cat, {"t"});
  CatalogueNode* article = Add(c, sub, {"a"});
  Add(c, article, {"deeper than any walk"});
  const StatusCaptions captions = UpdateStatusCounts(c);
  EXPECT_EQ(captions.categories, "Категорий: 2");
  EXPECT_EQ(captions.subcategories, "Подкатегорий: 2");
  EXPECT_EQ(captions.articles, "Статей в архиве: 1");
}

TEST(Walks, VisitThreeLevelsInTreeOrderAndNothingDeeper) {
  Catalogue c;
  CatalogueNode* c1 = Add(c, nullptr, {"c1"});
  CatalogueNode* s1 = Add(c, c1, {"s1"});
  CatalogueNode* a1 = Add(c, s1, {"a1"});
  Add(c, a1, {"deep"});
  Add(c, c1, {"s2"});
  Add(c, nullptr, {"c2"});
  std::vector<std::string> seen;
  ForEachNodeOfThreeLevels(c, [&](const CatalogueNode* n) { seen.push_back(n->Title()); });
  EXPECT_EQ(seen, (std::vector<std::string>{"c1", "s1", "a1", "s2", "c2"}));
  seen.clear();
  ForEachArticle(c, [&](const CatalogueNode* n) { seen.push_back(n->Title()); });
  EXPECT_EQ(seen, (std::vector<std::string>{"a1"}));
  seen.clear();
  ForEachSubcategory(c, [&](const CatalogueNode* n) { seen.push_back(n->Title()); });
  EXPECT_EQ(seen, (std::vector<std::string>{"s1", "s2"}));
}

TEST(ForbiddenTitleChars, AreTheFourJournalSeparators) {
  for (const char* bad : {"a*b", "^", "x`", "~y"}) EXPECT_TRUE(HasForbiddenTitleChar(bad)) << bad;
  EXPECT_FALSE(HasForbiddenTitleChar(A("Базы данных: SQL & ODBC (#1)")));
}

// ---------------------------------------------------------------- whole catalogue

TEST(CatalogueLifetime, ReplaceWithTakesNodesAndViewStateButKeepsSortMarks) {
  Catalogue current;
  Add(current, nullptr, {"old"});
  current.SetSortMark(ColCount, SortMark::Descending);
  Catalogue loaded;
  CatalogueNode* fresh = Add(loaded, nullptr, {"new"});
  loaded.SelectOnly(fresh);
  current.ReplaceWith(std::move(loaded));
  EXPECT_EQ(Titles(current, nullptr), (std::vector<std::string>{"new"}));
  EXPECT_EQ(current.SelectedNode(0), fresh);
  EXPECT_EQ(current.GetSortMark(ColCount), SortMark::Descending);
  EXPECT_TRUE(loaded.Empty());
  EXPECT_EQ(loaded.SelectedCount(), 0);

  Catalogue moved(std::move(current));
  EXPECT_EQ(Titles(moved, nullptr), (std::vector<std::string>{"new"}));
  EXPECT_TRUE(current.Empty());
  Add(current, nullptr, {"still usable"});
}

TEST(CatalogueLifetime, ADeepChainIsBuiltSortedAndFreedWithoutRecursion) {
  constexpr int kDepth = 400000;
  Catalogue c;
  test::BuildChain(c, kDepth);
  c.SetAllExpanded(true);
  c.Sort();
  const CatalogueNode* n = c.Root(0);
  int depth = 1;
  while (n->ChildCount() > 0) {
    n = n->Child(0);
    ++depth;
  }
  EXPECT_EQ(depth, kDepth);
  EXPECT_EQ(n->Depth(), kDepth - 1);
  EXPECT_TRUE(n->Expanded());
  c.DeleteNode(c.Root(0));
  EXPECT_TRUE(c.Empty());
  test::BuildChain(c, kDepth);  // and the destructor frees this one
}

}  // namespace
}  // namespace lrv
