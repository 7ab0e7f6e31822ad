#include <gtest/gtest.h>

#include "editing/add_category.h"
#include "editing/field_look.h"
#include "editing_core_support.h"

namespace lrv {
namespace {

using test::A;
using test::Dump;
using test::EditingArchive;
using test::Find;
using test::Selected;
using test::U;

std::string ChosenCategory(const AddCatSetup& s) {
  return s.chosenCategory < 0 ? "<none>" : U(s.categories[static_cast<std::size_t>(s.chosenCategory)]);
}

// ---------------------------------------------------------------- opening

TEST(AddCatSetup, EmptyCatalogueOffersOnlyTheCategory) {
  const AddCatSetup s = PrepareAddCat(Catalogue());
  EXPECT_EQ(s.mode, AddCatMode::CategoryOnly);
  EXPECT_TRUE(s.categories.empty());
  EXPECT_EQ(s.focus, AddCatField::CategoryName);
}

TEST(AddCatSetup, PreselectsByTheFirstSelectedNode) {
  struct Case {
    const char* selected;  // nullptr: nothing selected
    const char* category;
    bool subcategory;
  };
  const Case cases[] = {
      {nullptr, "Базы данных", false},  // the alphabetically first entry
      {"Языки", "Языки", false},
      {"Протоколы", "Сети", true},
      {"Templates", "Языки", true},  // an article: the category above its subcategory
  };
  EditingArchive a;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.selected ? k.selected : "nothing");
    a.catalogue.SelectOnly(k.selected ? Find(a.catalogue, k.selected) : nullptr);
    const AddCatSetup s = PrepareAddCat(a.catalogue);
    EXPECT_EQ(s.mode, AddCatMode::Choice);
    EXPECT_EQ(s.categories, (std::vector<std::string>{A("Базы данных"), A("Сети"), A("Языки")}));
    EXPECT_EQ(ChosenCategory(s), k.category);
    EXPECT_EQ(s.subcategoryChecked, k.subcategory);
    EXPECT_EQ(s.focus, k.subcategory ? AddCatField::SubcategoryName : AddCatField::CategoryName);
  }
}

// ---------------------------------------------------------------- OK checks

TEST(AddCatOk, ChecksInOrderWithTheirMessages) {
  struct Case {
    const char* name;
    bool subcategory;
    std::string typed;
    std::string text;
    MessageKind kind;
    int help;
  };
  const Case cases[] = {
      {"category blank", false, "   ", "Введите название категории!", MessageKind::Information, 68},
      {"category forbidden", false, "C~D", "В заголовке используются недопустимые символы!", MessageKind::Warning, 35},
      // A title with a forbidden character is refused as such even when a
      // loaded file holds the same title: validity comes first.
      {"category forbidden before exists", false, "old~one", "В заголовке используются недопустимые символы!",
       MessageKind::Warning, 35},
      {"category exists in capitals", false, "БАЗЫ ДАННЫХ", "Категория с таким названием уже существует!",
       MessageKind::Information, 32},
      {"subcategory blank", true, "", "Введите название подкатегории!", MessageKind::Information, 71},
      {"subcategory forbidden", true, "a^b", "В заголовке используются недопустимые символы!", MessageKind::Warning,
       35},
      {"subcategory exists in another category", true, " протоколы ",
       "Подкатегория с таким названием уже существует!", MessageKind::Information, 33},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    EditingArchive a;
    test::Add(a.catalogue, nullptr, {"Old~One", "0"});
    const std::string before = Dump(a.catalogue);
    AddCatForm form{AddCatMode::Choice, k.subcategory, k.subcategory ? "" : k.typed,
                    k.subcategory ? k.typed : "", A("Базы данных")};
    const AddCatResult r = AddCatOk(a.catalogue, a.journal, a.prompter, form);
    EXPECT_FALSE(r.close);
    EXPECT_EQ(r.focus, k.subcategory ? AddCatField::SubcategoryName : AddCatField::CategoryName);
    ASSERT_EQ(a.prompter.messages.size(), 1u);
    const Message& m = a.prompter.messages.front();
    EXPECT_EQ(m.text, k.text);
    EXPECT_EQ(m.kind, k.kind);
    EXPECT_EQ(m.helpContext, k.help);
    EXPECT_EQ(m.buttons, MessageButtons::OkHelp);
    // The refused text stays, trimmed.
    EXPECT_EQ(k.subcategory ? form.subcategoryName : form.categoryName, test::TrimmedForTest(k.typed));
    EXPECT_EQ(Dump(a.catalogue), before);
    EXPECT_EQ(a.EditEntries(), 0);
  }
}

// ---------------------------------------------------------------- adding

TEST(AddCatOk, FirstCategoryOfAnEmptyCatalogue) {
  EditingArchive a(false);
  AddCatForm form;
  form.categoryName = "  Алгоритмы ";
  const AddCatResult r = AddCatOk(a.catalogue, a.journal, a.prompter, form);
  ASSERT_TRUE(r.close);
  EXPECT_EQ(form.categoryName, "Алгоритмы");
  ASSERT_EQ(a.catalogue.RootCount(), 1);
  const CatalogueNode* added = a.catalogue.Root(0);
  EXPECT_EQ(r.added, added);
  EXPECT_EQ(added->Values(), (std::vector<std::string>{A("Алгоритмы"), "0"}));
  EXPECT_EQ(a.catalogue.Focused(), added);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Алгоритмы"});
  EXPECT_EQ(UpdateStatusCounts(a.catalogue).categories, "Категорий: 1");
  EXPECT_EQ(a.EditEntries(), 1);
  EXPECT_EQ(a.LastOperation(), "Добавление категории");
  EXPECT_EQ(a.LastDetail(), "Алгоритмы");
  // Undo: gone, nothing selected; redo: back and selected.
  ASSERT_TRUE(a.journal.Undo(a.catalogue));
  EXPECT_TRUE(a.catalogue.Empty());
  EXPECT_EQ(a.catalogue.SelectedCount(), 0);
  ASSERT_TRUE(a.journal.Redo(a.catalogue));
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Алгоритмы"});
}

TEST(AddCatOk, SubcategoryGoesIntoTheChosenCategory) {
  EditingArchive a;
  CatalogueNode* nets = Find(a.catalogue, "Сети");
  const std::string before = Dump(a.catalogue);
  AddCatForm form{AddCatMode::Choice, true, "ignored", "Беспроводные", A("Сети")};
  const AddCatResult r = AddCatOk(a.catalogue, a.journal, a.prompter, form);
  ASSERT_TRUE(r.close);
  ASSERT_NE(r.added, nullptr);
  EXPECT_EQ(r.added->Parent(), nets);
  EXPECT_EQ(test::Titles(a.catalogue, nets), (std::vector<std::string>{"Беспроводные", "Протоколы"}));
  EXPECT_EQ(nets->Value(ColCount), "2");
  EXPECT_EQ(r.added->Value(ColCount), "0");
  EXPECT_TRUE(nets->Expanded());
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Беспроводные"});
  EXPECT_EQ(a.catalogue.Focused(), r.added);
  EXPECT_EQ(a.LastOperation(), "Добавление подкатегории");
  EXPECT_EQ(a.LastDetail(), "Беспроводные*Сети");
  ASSERT_EQ(a.EditEntries(), 1);
  // Undo selects the category (expanded), redo the subcategory.
  ASSERT_TRUE(a.journal.Undo(a.catalogue));
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Сети"});
  ASSERT_TRUE(a.journal.Redo(a.catalogue));
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Беспроводные"});
}

TEST(AddCatOk, SubcategoryWithNoCategoryChosenClosesWithoutChange) {
  EditingArchive a;
  const std::string before = Dump(a.catalogue);
  AddCatForm form{AddCatMode::Choice, true, "", "Беспроводные", std::nullopt};
  const AddCatResult r = AddCatOk(a.catalogue, a.journal, a.prompter, form);
  EXPECT_TRUE(r.close);
  EXPECT_EQ(r.added, nullptr);
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(a.EditEntries(), 0);
}

TEST(AddSubcategoryNode, NeedsAnExistingCategory) {
  EditingArchive a;
  EXPECT_EQ(AddSubcategoryNode(a.catalogue, "X", "No such", true), nullptr);
  EXPECT_EQ(AddSubcategoryNode(a.catalogue, "X", "  ", true), nullptr);
  Catalogue empty;
  EXPECT_EQ(AddSubcategoryNode(empty, "X", "A", true), nullptr);
  // The category title is matched trimmed and without case; no selection
  // is made unless asked.
  a.catalogue.SelectOnly(Find(a.catalogue, "TCP"));
  CatalogueNode* added = AddSubcategoryNode(a.catalogue, "X", A(" языки "), false);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(U(added->Parent()->Title()), "Языки");
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"TCP"});
}

TEST(AddSubcategoryNode, RaisesADamagedCountWithoutOverflow) {
  struct Case {
    std::string count;
    std::string raised;
  };
  const Case cases[] = {{"4", "5"}, {"", "1"}, {"many", "1"}, {"2147483647", "2147483647"}, {"-3", "-2"}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.count);
    Catalogue c;
    test::Add(c, nullptr, {"Cat", k.count});
    ASSERT_NE(AddSubcategoryNode(c, "Sub", "Cat", false), nullptr);
    EXPECT_EQ(c.Root(0)->Value(ColCount), k.raised);
  }
}

// ---------------------------------------------------------------- field look

TEST(ShowFieldActive, GreysOutAnInactiveField) {
  const SystemColours colours{{255, 255, 255}, {0, 0, 0}, {240, 240, 240}};
  const FieldLook on = ShowFieldActive(true, colours);
  EXPECT_EQ(on.background, (Rgb{255, 255, 255}));
  EXPECT_EQ(on.text, (Rgb{0, 0, 0}));
  EXPECT_FALSE(on.readOnly);
  EXPECT_TRUE(on.tabStop);
  const FieldLook off = ShowFieldActive(false, colours);
  EXPECT_EQ(off.background, (Rgb{249, 249, 249}));  // 240 + 60% of 15
  EXPECT_EQ(off.text, (Rgb{153, 153, 153}));        // 60% of 255
  EXPECT_TRUE(off.readOnly);
  EXPECT_FALSE(off.tabStop);
}

}  // namespace
}  // namespace lrv
