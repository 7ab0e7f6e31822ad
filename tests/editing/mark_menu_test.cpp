#include "editing/mark_menu.h"

#include <gtest/gtest.h>

#include "editing/move.h"
#include "editing_core_support.h"

namespace lrv {
namespace {

using test::A;
using test::EditingArchive;
using test::Find;
using test::Selected;

TEST(MarkMenu, FollowsTheTreeSelection) {
  EditingArchive a;
  Catalogue& c = a.catalogue;
  struct Case {
    std::vector<const char*> selected;
    bool panelOpen;
    bool visible;
    const char* caption;
    const char* firstEntry;
    int pressed;
  };
  // States: Joins "1", Индексы "2", Redis "3", TCP "2", UDP "". Only
  // siblings can be selected together.
  const Case cases[] = {
      {{}, true, false, "", "", -1},
      {{"Joins"}, true, true, "&Отметить статью как", "&избранную", 0},
      {{"UDP"}, true, true, "&Отметить статью как", "&избранную", 3},
      {{"Joins", "Индексы"}, true, true, "&Отметить статьи [2] как", "&избранные", -1},
      {{"Joins"}, false, false, "", "", -1},      // the panel is closed
      {{"SQL", "NoSQL"}, true, false, "", "", -1},  // no articles
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.selected.empty() ? "none" : k.selected.front());
    c.ClearSelection();
    for (const char* t : k.selected) c.Select(Find(c, t));
    const MarkMenuLook look = TreeMarkMenu(c, k.panelOpen);
    EXPECT_EQ(look.visible, k.visible);
    if (!k.visible) continue;
    EXPECT_EQ(look.caption, k.caption);
    EXPECT_EQ(look.entries[0], k.firstEntry);
    EXPECT_EQ(look.entries[3], k.selected.size() == 1 ? "н&епрочитанную" : "н&епрочитанные");
    EXPECT_EQ(look.pressed, k.pressed);
  }
  // Several rows of one state press its entry.
  c.SetValue(Find(c, "UDP"), ColState, "2");
  c.ClearSelection();
  c.Select(Find(c, "TCP"));
  c.Select(Find(c, "UDP"));
  ASSERT_EQ(c.SelectedCount(), 2);
  EXPECT_EQ(TreeMarkMenu(c, true).pressed, 1);
}

TEST(MarkMenu, FollowsTheSelectedResultRows) {
  ResultList results;
  for (const char* state : {"3", "3", "1"}) {
    ResultRow row;
    row.SetValue(ColState, state);
    results.rows.push_back(row);
  }
  const std::vector<int> two = {1, 0};
  MarkMenuLook look = ResultMarkMenu(results, two, true);
  EXPECT_TRUE(look.visible);
  EXPECT_EQ(look.caption, "&Отметить статьи [2] как");
  EXPECT_EQ(look.pressed, 2);
  const std::vector<int> mixed = {0, 2};
  EXPECT_EQ(ResultMarkMenu(results, mixed, true).pressed, -1);
  EXPECT_FALSE(ResultMarkMenu(results, {}, true).visible);
  EXPECT_FALSE(ResultMarkMenu(ResultList{}, two, true).visible);
  EXPECT_FALSE(ResultMarkMenu(results, two, false).visible);
}

TEST(FindSubcategory, ListsEveryCategoryAndSelectsTheChoice) {
  EditingArchive a;
  Catalogue& c = a.catalogue;
  EXPECT_TRUE(FindSubcategoryEnabled(c));
  const MoveSetup setup = PrepareFindSubcategory(c);
  EXPECT_EQ(setup.caption, "Найти подкатегорию");
  EXPECT_EQ(setup.categories, (std::vector<std::string>{A("Базы данных"), A("Сети"), A("Языки")}));
  EXPECT_EQ(setup.chosenCategory, 0);
  EXPECT_EQ(setup.subcategories, (std::vector<std::string>{"NoSQL", "SQL"}));
  EXPECT_EQ(setup.chosenSubcategory, 0);

  c.Select(Find(c, "TCP"));
  c.SetExpanded(Find(c, "Протоколы"), false);
  CatalogueNode* found = FindSubcategoryChosen(c, {A("Сети"), A("Протоколы")});
  ASSERT_EQ(found, Find(c, "Протоколы"));
  EXPECT_EQ(Selected(c), (std::vector<std::string>{"Протоколы"}));
  EXPECT_EQ(c.Focused(), found);
  EXPECT_TRUE(Find(c, "Сети")->Expanded());
  EXPECT_FALSE(found->Expanded());
  EXPECT_EQ(FindSubcategoryChosen(c, {A("Сети"), std::nullopt}), nullptr);

  Catalogue empty;
  EXPECT_FALSE(FindSubcategoryEnabled(empty));
  EXPECT_TRUE(PrepareFindSubcategory(empty).categories.empty());
}

}  // namespace
}  // namespace lrv
