#include <gtest/gtest.h>

#include "editing/rename.h"
#include "editing/titles.h"
#include "editing_core_support.h"

namespace lrv {
namespace {

using test::A;
using test::Dump;
using test::EditingArchive;
using test::Find;
using test::Selected;
using test::U;

// ---------------------------------------------------------------- title rules

TEST(TitleIsValid, RefusesTheFourSeparatorsAnywhereAfterTrimming) {
  struct Case {
    std::string title;
    bool valid;
  };
  const Case cases[] = {
      {"", true},          {"   ", true},       {"Plain title", true}, {A("Базы данных"), true},
      {"a*b", false},      {"a^b", false},      {"a`b", false},        {"a~b", false},
      {"  ~  ", false},    {"*", false},        {"a+b=c", true},       {"\t#1\t", true},
  };
  for (const Case& k : cases) EXPECT_EQ(TitleIsValid(k.title), k.valid) << k.title;
}

TEST(TitleExists, ComparesTrimmedTitlesWithoutCaseAcrossTheWholeLevel) {
  EditingArchive a;
  const Catalogue& c = a.catalogue;
  EXPECT_TRUE(CategoryTitleExists(c, A("  БАЗЫ ДАННЫХ ")));
  EXPECT_FALSE(CategoryTitleExists(c, "SQL"));  // a subcategory, not a category
  // Subcategories of every category, not only one.
  EXPECT_TRUE(SubcategoryTitleExists(c, "nosql"));
  EXPECT_TRUE(SubcategoryTitleExists(c, A("протоколы")));
  EXPECT_FALSE(SubcategoryTitleExists(c, A("Сети")));
  EXPECT_TRUE(ArticleTitleExists(c, A("ИНДЕКСЫ")));
  EXPECT_TRUE(ArticleTitleExists(c, "templates"));
  EXPECT_FALSE(ArticleTitleExists(c, "Cpp"));
  // A blank title exists nowhere.
  EXPECT_FALSE(CategoryTitleExists(c, "  "));
  EXPECT_FALSE(ArticleTitleExists(Catalogue(), "Joins"));
}

TEST(TitleExists, FoldsYoToItsLowerCase) {
  Catalogue c;
  test::Add(c, nullptr, {A("Ёлки"), "0"});
  EXPECT_TRUE(CategoryTitleExists(c, A("ёлки")));
  EXPECT_FALSE(CategoryTitleExists(c, A("Елки")));
}

// ---------------------------------------------------------------- F2

struct F2 : ::testing::Test {
  EditingArchive a;
  void SelectOnly(std::string_view title) { a.catalogue.SelectOnly(Find(a.catalogue, title)); }
};

TEST_F(F2, AsksWithThePromptOfTheLevelAndTheTitle) {
  const struct {
    const char* title;
    const char* prompt;
  } cases[] = {{"Сети", "Заголовок категории"}, {"NoSQL", "Заголовок подкатегории"}, {"Индексы", "Заголовок статьи"}};
  for (const auto& k : cases) {
    SelectOnly(k.title);
    EXPECT_EQ(RenameByInputBox(a.catalogue, a.journal, a.prompter), RenameOutcome::Cancelled);
    ASSERT_FALSE(a.prompter.inputBoxes.empty());
    const auto& box = a.prompter.inputBoxes.back();
    EXPECT_EQ(box.caption, "Изменить заголовок");
    EXPECT_EQ(box.prompt, k.prompt);
    EXPECT_EQ(box.initial, k.title);
  }
  EXPECT_EQ(a.EditEntries(), 0);
}

TEST_F(F2, CaseOnlyRenameOfACategoryIsTakenWithoutTheUniquenessTest) {
  SelectOnly("Базы данных");
  const std::string before = Dump(a.catalogue);
  a.prompter.Type("базы данных");
  EXPECT_EQ(RenameByInputBox(a.catalogue, a.journal, a.prompter), RenameOutcome::Renamed);
  EXPECT_TRUE(a.prompter.messages.empty());
  EXPECT_NE(Find(a.catalogue, "базы данных"), nullptr);
  ASSERT_EQ(a.EditEntries(), 1);
  EXPECT_EQ(a.LastOperation(), "Изменение заголовка");
  EXPECT_EQ(a.LastDetail(), "Базы данных*базы данных`0*");
  test::ExpectUndoRedo(a, before, {"базы данных"});
}

TEST_F(F2, ArticleRenameIsStoredTrimmedAndResorted) {
  SelectOnly("Joins");
  const std::string before = Dump(a.catalogue);
  a.prompter.Type("  Zebra joins \t");
  EXPECT_EQ(RenameByInputBox(a.catalogue, a.journal, a.prompter), RenameOutcome::Renamed);
  const CatalogueNode* sql = Find(a.catalogue, "SQL");
  EXPECT_EQ(test::Titles(a.catalogue, sql), (std::vector<std::string>{"Zebra joins", "Индексы"}));
  // Only the title changes: file, state and viewed mark stay.
  const CatalogueNode* renamed = Find(a.catalogue, "Zebra joins");
  EXPECT_EQ(renamed->Values(), (std::vector<std::string>{"Zebra joins", "", "joins.html", "1", "yes"}));
  EXPECT_EQ(a.LastDetail(), "Joins*Zebra joins`2*SQL");
  // Undo selects the old title, redo the new one.
  ASSERT_TRUE(a.journal.Undo(a.catalogue));
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Joins"});
  ASSERT_TRUE(a.journal.Redo(a.catalogue));
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Zebra joins"});
}

TEST_F(F2, RefusalsAndNoChangesLeaveCatalogueAndJournalAlone) {
  struct Case {
    const char* name;
    const char* node;
    std::optional<std::string> typed;
    RenameOutcome outcome;
    std::vector<std::string> texts;
    std::vector<int> helps;
  };
  const Case cases[] = {
      {"subcategory title of another category", "NoSQL", "протоколы", RenameOutcome::Refused,
       {"Подкатегория с таким названием уже существует!"}, {33}},
      {"category exists", "Сети", " языки ", RenameOutcome::Refused,
       {"Категория с таким названием уже существует!"}, {32}},
      {"article exists", "Redis", "TCP", RenameOutcome::Refused, {"Статья с таким названием уже существует!"}, {34}},
      {"tilde", "Redis", "Redis~2", RenameOutcome::Refused, {"В заголовке используются недопустимые символы!"}, {35}},
      {"no Windows-1251 form", "Redis", "Redis \xE4\xB8\xAD", RenameOutcome::Refused,
       {"В заголовке используются недопустимые символы!"}, {35}},
      {"blanks only", "Redis", "   ", RenameOutcome::Unchanged, {}, {}},
      {"identical title", "Redis", "Redis", RenameOutcome::Unchanged, {}, {}},
      {"cancelled", "Redis", std::nullopt, RenameOutcome::Cancelled, {}, {}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    a.prompter.Clear();
    SelectOnly(k.node);
    const std::string before = Dump(a.catalogue);
    a.prompter.Type(k.typed);
    EXPECT_EQ(RenameByInputBox(a.catalogue, a.journal, a.prompter), k.outcome);
    EXPECT_EQ(a.prompter.Texts(), k.texts);
    EXPECT_EQ(test::Helps(a.prompter), k.helps);
    for (const Message& m : a.prompter.messages) {
      EXPECT_EQ(m.buttons, MessageButtons::OkHelp);
      EXPECT_EQ(m.kind, m.helpContext == 35 ? MessageKind::Warning : MessageKind::Information);
    }
    EXPECT_EQ(Dump(a.catalogue), before);
    EXPECT_EQ(a.EditEntries(), 0);
  }
}

TEST_F(F2, DoesNothingUnlessExactlyOneNodeIsSelected) {
  a.catalogue.Select(Find(a.catalogue, "TCP"));
  a.catalogue.Select(Find(a.catalogue, "UDP"));
  a.prompter.Type("X");
  EXPECT_EQ(RenameByInputBox(a.catalogue, a.journal, a.prompter), RenameOutcome::NotApplicable);
  a.catalogue.ClearSelection();
  EXPECT_EQ(RenameByInputBox(a.catalogue, a.journal, a.prompter), RenameOutcome::NotApplicable);
  EXPECT_TRUE(a.prompter.inputBoxes.empty());
  EXPECT_EQ(a.EditEntries(), 0);
}

// ---------------------------------------------------------------- title box

TEST(TitleBox, RenamesTheSelectedNodeAndPutsTheTrimmedTextBack) {
  EditingArchive a;
  a.catalogue.SelectOnly(Find(a.catalogue, "NoSQL"));
  std::string box = "  Документные  ";
  EXPECT_EQ(RenameByTitleBox(a.catalogue, a.journal, box), RenameOutcome::Renamed);
  EXPECT_EQ(box, "Документные");
  EXPECT_NE(Find(a.catalogue, "Документные"), nullptr);
  EXPECT_EQ(a.LastDetail(), "NoSQL*Документные`1*Базы данных");
}

TEST(TitleBox, RefusesSilently) {
  EditingArchive a;
  struct Case {
    const char* name;
    std::string box;
    bool twoSelected;
    RenameOutcome outcome;
  };
  const Case cases[] = {
      {"existing title", "sql", false, RenameOutcome::Refused},
      {"tilde", "No~SQL", false, RenameOutcome::Refused},
      {"blank", "  ", false, RenameOutcome::Unchanged},
      {"identical", "NoSQL", false, RenameOutcome::Unchanged},
      {"two selected", "Fresh", true, RenameOutcome::NotApplicable},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    a.catalogue.SelectOnly(Find(a.catalogue, "NoSQL"));
    if (k.twoSelected) a.catalogue.Select(Find(a.catalogue, "SQL"));
    const std::string before = Dump(a.catalogue);
    std::string box = k.box;
    EXPECT_EQ(RenameByTitleBox(a.catalogue, a.journal, box), k.outcome);
    EXPECT_EQ(Dump(a.catalogue), before);
  }
  EXPECT_TRUE(a.prompter.messages.empty());
  EXPECT_EQ(a.EditEntries(), 0);
}

}  // namespace
}  // namespace lrv
