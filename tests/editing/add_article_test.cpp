#include <gtest/gtest.h>

#include "editing/add_article.h"
#include "editing/article_dialog.h"
#include "editing_core_support.h"

namespace lrv {
namespace {

using test::A;
using test::Dump;
using test::EditingArchive;
using test::Find;
using test::Selected;
using test::U;

// ---------------------------------------------------------------- lookups

TEST(ArticleLookups, CountListAndFindByFile) {
  EditingArchive a;
  const Catalogue& c = a.catalogue;
  EXPECT_EQ(SubcategoryCount(c), 4);
  EXPECT_EQ(SubcategoryCount(Catalogue()), 0);

  std::vector<std::string> list{"stale"};
  FillSubcategoryList(c, A(" базы данных "), list);
  EXPECT_EQ(list, (std::vector<std::string>{"NoSQL", "SQL"}));  // tree order
  FillSubcategoryList(c, "  ", list);
  EXPECT_TRUE(list.empty());

  EXPECT_EQ(ArticleWithFile(c, "  TCP.HTML "), std::optional<std::string>("TCP"));
  EXPECT_EQ(ArticleWithFile(c, "none.html"), std::nullopt);
  EXPECT_EQ(ArticleWithFile(c, " "), std::nullopt);
}

TEST(ArticleLookups, FileSharedByTwoArticlesNamesTheOneMetLast) {
  EditingArchive a;
  test::Add(a.catalogue, Find(a.catalogue, "Cpp"), {"Second", "", "Joins.html"});
  EXPECT_EQ(ArticleWithFile(a.catalogue, "joins.html"), std::optional<std::string>("Second"));
}

// ---------------------------------------------------------------- AddArticleNode

TEST(AddArticleNode, CreatesAMissingCategoryAndSubcategory) {
  EditingArchive a;
  CatalogueNode* added = AddArticleNode(a.catalogue, "Sorting", A("Сортировка"), true, "2", "sort.html",
                                        A("Алгоритмы"));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->Values(), (std::vector<std::string>{"Sorting", "", "sort.html", "2"}));
  const CatalogueNode* sub = added->Parent();
  const CatalogueNode* category = sub->Parent();
  EXPECT_EQ(U(sub->Title()), "Сортировка");
  EXPECT_EQ(U(category->Title()), "Алгоритмы");
  EXPECT_EQ(category->Value(ColCount), "1");
  EXPECT_EQ(sub->Value(ColCount), "1");
  EXPECT_TRUE(sub->Expanded());
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Sorting"});
  EXPECT_EQ(a.catalogue.Focused(), added);
  EXPECT_EQ(test::Titles(a.catalogue, nullptr),
            (std::vector<std::string>{"Алгоритмы", "Базы данных", "Сети", "Языки"}));
}

TEST(AddArticleNode, AddsNothingWhenTheSubcategoryLivesInAnotherCategory) {
  EditingArchive a;
  a.catalogue.SelectOnly(Find(a.catalogue, "TCP"));
  EXPECT_EQ(AddArticleNode(a.catalogue, "Sorting", "SQL", true, "2", "sort.html", A("Алгоритмы")), nullptr);
  // The category was created on the way, empty.
  const CatalogueNode* created = Find(a.catalogue, "Алгоритмы");
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->ChildCount(), 0);
  EXPECT_EQ(Find(a.catalogue, "Sorting"), nullptr);
  EXPECT_EQ(Find(a.catalogue, "SQL")->Value(ColCount), "2");
}

// ---------------------------------------------------------------- UpdateArticle

TEST(UpdateArticle, MovesToAnotherSubcategory) {
  EditingArchive a;
  CatalogueNode* joins = Find(a.catalogue, "Joins");
  a.catalogue.SelectOnly(joins);
  ASSERT_TRUE(UpdateArticle(a.catalogue, joins, "Joins", true, "1", "joins.html", "SQL", A("Базы данных"), "NoSQL"));
  EXPECT_EQ(Find(a.catalogue, "SQL")->Value(ColCount), "1");
  const CatalogueNode* nosql = Find(a.catalogue, "NoSQL");
  EXPECT_EQ(nosql->Value(ColCount), "2");
  EXPECT_EQ(test::Titles(a.catalogue, nosql), (std::vector<std::string>{"Joins", "Redis"}));
  const CatalogueNode* moved = Find(a.catalogue, "Joins");
  EXPECT_EQ(moved->Parent(), nosql);
  EXPECT_EQ(moved->Value(ColLook), "");  // re-created: not viewed
  EXPECT_EQ(moved->Value(ColState), "1");
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Joins"});
  EXPECT_EQ(a.catalogue.Focused(), moved);
}

TEST(UpdateArticle, ChangesInPlaceAndKeepsTheViewedMark) {
  EditingArchive a;
  CatalogueNode* joins = Find(a.catalogue, "Joins");
  a.catalogue.SelectOnly(joins);
  ASSERT_TRUE(UpdateArticle(a.catalogue, joins, "Joins", true, "3", "joins2.html", "SQL", A("Базы данных"), "SQL"));
  EXPECT_EQ(joins->Values(), (std::vector<std::string>{"Joins", "", "joins2.html", "3", "yes"}));
  EXPECT_EQ(joins->ImageIndex(), 11);  // read, highlighted: selected
}

TEST(UpdateArticle, NeverLosesTheArticleWhenTheTargetCannotBeFound) {
  // Two categories of one title (a loaded file may hold them): the
  // subcategory lies in the second, where AddArticleNode never looks.
  EditingArchive a;
  CatalogueNode* twin = test::Add(a.catalogue, nullptr, {A("Сети"), "1"});
  test::Add(a.catalogue, twin, {"Wireless", "0"});
  const std::string before = Dump(a.catalogue);
  CatalogueNode* tcp = Find(a.catalogue, "TCP");
  EXPECT_FALSE(UpdateArticle(a.catalogue, tcp, "TCP", true, "2", "tcp.html", A("Протоколы"), A("Сети"), "Wireless"));
  EXPECT_EQ(Dump(a.catalogue), before);
  // Blank titles and a null node change nothing either.
  EXPECT_FALSE(UpdateArticle(a.catalogue, nullptr, "T", true, "", "t.html", "A", "B", "C"));
  EXPECT_FALSE(UpdateArticle(a.catalogue, tcp, "T", true, "", "t.html", A("Протоколы"), " ", "SQL"));
  EXPECT_EQ(Dump(a.catalogue), before);
}

// ---------------------------------------------------------------- the dialog's opening

std::string Entry(const std::vector<std::string>& list, int index) {
  return index < 0 ? "<none>" : U(list[static_cast<std::size_t>(index)]);
}

TEST(ArticleDialogSetup, AddModePreselectsBySelection) {
  struct Case {
    const char* selected;
    const char* category;
    const char* subcategory;
  };
  const Case cases[] = {
      {nullptr, "Базы данных", "NoSQL"},
      {"Сети", "Сети", "Протоколы"},
      {"SQL", "Базы данных", "SQL"},
      {"Redis", "Базы данных", "NoSQL"},
      {"Пустая", "Базы данных", "NoSQL"},  // a category without subcategories is not listed
  };
  EditingArchive a;
  test::Add(a.catalogue, nullptr, {A("Пустая"), "0"});
  for (const Case& k : cases) {
    SCOPED_TRACE(k.selected ? k.selected : "nothing");
    a.catalogue.SelectOnly(k.selected ? Find(a.catalogue, k.selected) : nullptr);
    const ArticleDialogSetup s = PrepareAddArticle(a.catalogue, "dropped.html");
    EXPECT_EQ(s.caption, "Добавление статьи");
    EXPECT_TRUE(s.importantTab);
    EXPECT_EQ(s.categories, (std::vector<std::string>{A("Базы данных"), A("Сети"), A("Языки")}));
    EXPECT_EQ(Entry(s.categories, s.chosenCategory), k.category);
    EXPECT_EQ(Entry(s.subcategories, s.chosenSubcategory), k.subcategory);
    EXPECT_EQ(s.form.fileName, "dropped.html");
    EXPECT_EQ(s.form.state, ArticleState::New);
    EXPECT_EQ(U(s.form.category.value_or("")), k.category);
    EXPECT_EQ(U(s.form.subcategory.value_or("")), k.subcategory);
  }
}

TEST(ArticleDialogSetup, PropertiesModeShowsTheArticle) {
  EditingArchive a;
  EXPECT_FALSE(PrepareArticleProperties(a.catalogue).has_value());
  a.catalogue.SelectOnly(Find(a.catalogue, "SQL"));
  EXPECT_FALSE(PrepareArticleProperties(a.catalogue).has_value());
  a.catalogue.SelectOnly(Find(a.catalogue, "Индексы"));
  const auto s = PrepareArticleProperties(a.catalogue);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->caption, "Редактирование свойств статьи");
  EXPECT_FALSE(s->importantTab);
  EXPECT_EQ(Entry(s->categories, s->chosenCategory), "Базы данных");
  EXPECT_EQ(Entry(s->subcategories, s->chosenSubcategory), "SQL");
  EXPECT_EQ(s->form.title, "Индексы");
  EXPECT_EQ(s->form.fileName, "indexes.html");
  EXPECT_EQ(s->form.state, ArticleState::New);
  EXPECT_EQ(s->form.titleAtOpen, A("Индексы"));
}

// ---------------------------------------------------------------- OK checks

struct ArticleOk : ::testing::Test {
  EditingArchive a;
  ArticleOk() {
    for (const char* page : {"new.html", "joins.html", "tcp.html", "sub/deep.html"}) {
      std::filesystem::create_directories(a.dirs.baseDir / "sub");
      a.WritePage(page);
    }
  }
  ArticleForm AddForm(std::string title, std::string file) {
    ArticleForm f;
    f.title = std::move(title);
    f.fileName = std::move(file);
    f.state = ArticleState::New;
    f.category = A("Сети");
    f.subcategory = A("Протоколы");
    return f;
  }
};

TEST_F(ArticleOk, AddModeChecksInOrder) {
  const std::string base = a.dirs.baseDir.string();
  const std::string outside =
      "Присваиваемый статье файл\n\r\"%F\"\n\r\n\rдолжен располагаться в каталоге\n\r\"" + base + "\"";
  auto outsideFor = [&](const std::string& file) {
    std::string t = outside;
    t.replace(t.find("%F"), 2, file);
    return t;
  };
  struct Case {
    const char* name;
    ArticleForm form;
    std::string text;
    int help;
    MessageKind kind;
    ArticleTab tab;
    ArticleField focus;
  };
  auto noCategory = AddForm("QUIC", "new.html");
  noCategory.category.reset();
  noCategory.subcategory.reset();
  auto noSubcategory = AddForm("QUIC", "new.html");
  noSubcategory.subcategory.reset();
  const Case cases[] = {
      {"title blank", AddForm("  ", "new.html"), "Введите название статьи!", 79, MessageKind::Information,
       ArticleTab::Properties, ArticleField::Title},
      {"title forbidden", AddForm("Q*UIC", ""), "В заголовке используются недопустимые символы!", 35,
       MessageKind::Warning, ArticleTab::Properties, ArticleField::Title},
      {"title exists", AddForm("tcp", "joins.html"), "Статья с таким названием уже существует!", 34,
       MessageKind::Information, ArticleTab::Properties, ArticleField::Title},
      {"file taken", AddForm("QUIC", " JOINS.html "), "Такой файл уже присвоен статье\n\r\"Joins\"!", 80,
       MessageKind::Information, ArticleTab::Properties, ArticleField::FileName},
      {"file blank", AddForm("QUIC", " "), "Нужно выбрать файл статьи!", 81, MessageKind::Information,
       ArticleTab::Properties, ArticleField::FileName},
      {"file missing", AddForm("QUIC", "missing.html"), outsideFor("missing.html"), 51, MessageKind::Information,
       ArticleTab::Properties, ArticleField::FileName},
      {"file climbs out", AddForm("QUIC", "sub/../../base/new.html"), outsideFor("sub/../../base/new.html"), 51,
       MessageKind::Information, ArticleTab::Properties, ArticleField::FileName},
      {"file absolute", AddForm("QUIC", (a.dirs.baseDir / "new.html").string()),
       outsideFor((a.dirs.baseDir / "new.html").string()), 51, MessageKind::Information, ArticleTab::Properties,
       ArticleField::FileName},
      {"no category", noCategory, "Нужно выбрать категорию!", 82, MessageKind::Information, ArticleTab::Category,
       ArticleField::Category},
      {"no subcategory", noSubcategory, "Нужно выбрать подкатегорию!", 83, MessageKind::Information,
       ArticleTab::Category, ArticleField::Subcategory},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    a.prompter.Clear();
    const std::string before = Dump(a.catalogue);
    ArticleForm form = k.form;
    const ArticleOkResult r = ArticleDialogOk(a.catalogue, a.journal, a.prompter, a.dirs, form);
    EXPECT_FALSE(r.close);
    ASSERT_EQ(a.prompter.messages.size(), 1u);
    EXPECT_EQ(a.prompter.messages[0].text, k.text);
    EXPECT_EQ(a.prompter.messages[0].helpContext, k.help);
    EXPECT_EQ(a.prompter.messages[0].kind, k.kind);
    EXPECT_EQ(a.prompter.messages[0].buttons, MessageButtons::OkHelp);
    EXPECT_EQ(r.tab, k.tab);
    EXPECT_EQ(r.focus, k.focus);
    EXPECT_EQ(r.dropDownCategories, k.focus == ArticleField::Category);
    EXPECT_EQ(form.title, test::TrimmedForTest(k.form.title));
    EXPECT_EQ(form.fileName, test::TrimmedForTest(k.form.fileName));
    EXPECT_EQ(Dump(a.catalogue), before);
    EXPECT_EQ(a.EditEntries(), 0);
  }
}

TEST_F(ArticleOk, AddsTheArticleAndRecordsIt) {
  const std::string before = Dump(a.catalogue);
  ArticleForm form = AddForm(" QUIC ", "sub\\deep.html");
  form.state = ArticleState::Favourite;
  const ArticleOkResult r = ArticleDialogOk(a.catalogue, a.journal, a.prompter, a.dirs, form);
  ASSERT_TRUE(r.close);
  EXPECT_TRUE(a.prompter.messages.empty());
  ASSERT_NE(r.article, nullptr);
  EXPECT_EQ(r.article->Values(), (std::vector<std::string>{"QUIC", "", "sub\\deep.html", "1"}));
  EXPECT_EQ(Find(a.catalogue, "Протоколы")->Value(ColCount), "3");
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"QUIC"});
  ASSERT_EQ(a.EditEntries(), 1);
  EXPECT_EQ(a.LastOperation(), "Добавление статьи");
  EXPECT_EQ(a.LastDetail(), "QUIC*Протоколы");
  // Undo selects the subcategory, redo the article.
  ASSERT_TRUE(a.journal.Undo(a.catalogue));
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Протоколы"});
  ASSERT_TRUE(a.journal.Redo(a.catalogue));
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"QUIC"});
}

// ---------------------------------------------------------------- properties

struct PropertiesOk : ArticleOk {
  ArticleForm Open(std::string_view title) {
    a.catalogue.SelectOnly(Find(a.catalogue, title));
    return PrepareArticleProperties(a.catalogue)->form;
  }
};

TEST_F(PropertiesOk, OwnTitleAndFileSkipTheDuplicateTests) {
  ArticleForm form = Open("Joins");
  form.title = "JOINS";  // only the case changes
  form.fileName = "Joins.HTML";
  // The page exists under the typed case only through the lookup that
  // forgives case.
  const ArticleOkResult r = ArticleDialogOk(a.catalogue, a.journal, a.prompter, a.dirs, form);
  EXPECT_TRUE(r.close);
  EXPECT_TRUE(a.prompter.messages.empty());
  EXPECT_EQ(Find(a.catalogue, "JOINS")->Values(),
            (std::vector<std::string>{"JOINS", "", "Joins.HTML", "1", "yes"}));
  EXPECT_EQ(a.LastOperation(), "Изменение свойств статьи");
  EXPECT_EQ(a.LastDetail(), "Joins*JOINS");
}

TEST_F(PropertiesOk, AnotherArticlesTitleOrFileIsRefused) {
  ArticleForm form = Open("Joins");
  form.title = "Redis";
  ArticleDialogOk(a.catalogue, a.journal, a.prompter, a.dirs, form);
  form.title = "Joins";
  form.fileName = "TCP.html";
  ArticleDialogOk(a.catalogue, a.journal, a.prompter, a.dirs, form);
  EXPECT_EQ(test::Helps(a.prompter), (std::vector<int>{34, 80}));
  EXPECT_EQ(a.prompter.messages[1].text, "Такой файл уже присвоен статье\n\r\"TCP\"!");
  EXPECT_EQ(a.EditEntries(), 0);
}

TEST_F(PropertiesOk, ChangingTheSubcategoryMovesTheArticle) {
  ArticleForm form = Open("Joins");
  const std::string before = Dump(a.catalogue);
  form.category = A("Сети");
  form.subcategory = A("Протоколы");
  form.title = "Joins (moved)";
  const ArticleOkResult r = ArticleDialogOk(a.catalogue, a.journal, a.prompter, a.dirs, form);
  ASSERT_TRUE(r.close);
  ASSERT_NE(r.article, nullptr);
  EXPECT_EQ(U(r.article->Parent()->Title()), "Протоколы");
  EXPECT_EQ(r.article->Value(ColLook), "");
  EXPECT_EQ(Find(a.catalogue, "SQL")->Value(ColCount), "1");
  EXPECT_EQ(Find(a.catalogue, "Протоколы")->Value(ColCount), "3");
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Joins (moved)"});
  ASSERT_EQ(a.EditEntries(), 1);
  EXPECT_EQ(a.LastDetail(), "Joins*Joins (moved)");
  // Undo selects the old title, redo the new one.
  ASSERT_TRUE(a.journal.Undo(a.catalogue));
  EXPECT_EQ(Dump(a.catalogue), before);
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Joins"});
  ASSERT_TRUE(a.journal.Redo(a.catalogue));
  EXPECT_EQ(Selected(a.catalogue), std::vector<std::string>{"Joins (moved)"});
}

// ---------------------------------------------------------------- small pieces

TEST(ArticleFileName, StaysInsideBaseDir) {
  EXPECT_TRUE(ArticleNameStaysInBase("a.html"));
  EXPECT_TRUE(ArticleNameStaysInBase("sub\\a.html"));
  EXPECT_TRUE(ArticleNameStaysInBase("..a.html"));
  EXPECT_FALSE(ArticleNameStaysInBase(""));
  EXPECT_FALSE(ArticleNameStaysInBase("..\\a.html"));
  EXPECT_FALSE(ArticleNameStaysInBase("sub/../../a.html"));
  EXPECT_FALSE(ArticleNameStaysInBase("/etc/passwd"));
  EXPECT_FALSE(ArticleNameStaysInBase("C:\\a.html"));
}

TEST(ArticleFilePick, StartsInBaseDirWithTheNamedFile) {
  EditingArchive a;
  a.WritePage("page.html");
  std::string box = "  page.html ";
  const ArticleFilePick pick = PrepareArticleFilePick(a.dirs, box);
  EXPECT_EQ(box, "page.html");
  EXPECT_EQ(pick.folder, std::optional<std::filesystem::path>(a.dirs.baseDir));
  EXPECT_EQ(pick.file, std::optional<std::filesystem::path>(a.dirs.baseDir / "page.html"));
  std::string other = "other.html";
  EXPECT_FALSE(PrepareArticleFilePick(a.dirs, other).file.has_value());
  EXPECT_EQ(PickedArticleFileName("/somewhere/else/Статья.html"), "Статья.html");
  EXPECT_EQ(ProjectMailAddress(), "mailto:" + std::string(kProjectEmail) + "?subject=NewArticle");
}

TEST(ArticleEnabling, NeedsASubcategoryOrOneSelectedArticle) {
  EditingArchive a;
  EXPECT_TRUE(AddArticleEnabled(a.catalogue, true));
  EXPECT_FALSE(AddArticleEnabled(a.catalogue, false));
  Catalogue onlyCategory;
  test::Add(onlyCategory, nullptr, {"C", "0"});
  EXPECT_FALSE(AddArticleEnabled(onlyCategory, true));
  EXPECT_FALSE(ArticlePropertiesEnabled(a.catalogue, true));
  a.catalogue.SelectOnly(Find(a.catalogue, "TCP"));
  EXPECT_TRUE(ArticlePropertiesEnabled(a.catalogue, true));
  a.catalogue.Select(Find(a.catalogue, "UDP"));
  EXPECT_FALSE(ArticlePropertiesEnabled(a.catalogue, true));
}

}  // namespace
}  // namespace lrv
