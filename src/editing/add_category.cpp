#include "editing/add_category.h"

#include "catalogue/journal_entries.h"
#include "editing/count_column.h"
#include "editing/titles.h"

namespace lrv {
namespace {

constexpr std::string_view kEnterCategoryText = "Введите название категории!";
constexpr int kEnterCategoryHelp = 68;
constexpr std::string_view kEnterSubcategoryText = "Введите название подкатегории!";
constexpr int kEnterSubcategoryHelp = 71;

// The category a node lies in (itself for a category); nullptr for nodes
// below the three levels.
const CatalogueNode* CategoryOf(const CatalogueNode* node) {
  if (node == nullptr || node->Depth() > 2) return nullptr;
  while (node->Parent() != nullptr) node = node->Parent();
  return node;
}

// The checks of one name: blank, forbidden characters, an existing title.
// Returns the stored form of the name when it passes.
std::optional<std::string> CheckName(const Catalogue& catalogue, Prompter& prompter, const std::string& typed,
                                     int level) {
  if (typed.empty()) {
    if (level == 0)
      prompter.Inform(std::string(kEnterCategoryText), kEnterCategoryHelp);
    else
      prompter.Inform(std::string(kEnterSubcategoryText), kEnterSubcategoryHelp);
    return std::nullopt;
  }
  std::optional<std::string> title = TypedText(typed);
  if (!title || !TitleIsValid(*title)) {
    prompter.Warn(std::string(kInvalidTitleText), kInvalidTitleHelp);
    return std::nullopt;
  }
  if (level == 0 && CategoryTitleExists(catalogue, *title)) {
    prompter.Inform(std::string(kCategoryExistsText), kCategoryExistsHelp);
    return std::nullopt;
  }
  if (level == 1 && SubcategoryTitleExists(catalogue, *title)) {
    prompter.Inform(std::string(kSubcategoryExistsText), kSubcategoryExistsHelp);
    return std::nullopt;
  }
  return title;
}

}  // namespace

CatalogueNode* AddCategoryNode(Catalogue& catalogue, std::string_view title) {
  CatalogueNode* node = catalogue.AddRoot();
  catalogue.SetValues(node, {std::string(title), "0"});
  catalogue.Sort();
  catalogue.SelectOnly(node);
  catalogue.SetFocused(node);
  return node;
}

CatalogueNode* AddSubcategoryNode(Catalogue& catalogue, std::string_view title, std::string_view categoryTitle,
                                  bool select) {
  CatalogueNode* category = FindCategory(catalogue, categoryTitle);
  if (category == nullptr) return nullptr;
  CatalogueNode* node = catalogue.AddChild(category);
  catalogue.SetValues(node, {std::string(title), "0"});
  ChangeCount(catalogue, category, +1, 0);
  catalogue.Sort();
  if (select) {
    catalogue.SetExpanded(category, true);
    catalogue.SelectOnly(node);
    catalogue.SetFocused(node);
  }
  return node;
}

bool AddCategoryEnabled(bool treeInView) { return treeInView; }

AddCatSetup PrepareAddCat(const Catalogue& catalogue) {
  AddCatSetup setup;
  if (catalogue.Empty()) return setup;
  setup.mode = AddCatMode::Choice;
  for (const CatalogueNode* category : catalogue.Roots()) setup.categories.push_back(category->Title());
  SortChoices(setup.categories);
  setup.chosenCategory = setup.categories.empty() ? -1 : 0;
  if (const CatalogueNode* first = catalogue.SelectedNode(0)) {
    if (const CatalogueNode* category = CategoryOf(first)) {
      const int index = ChoiceIndex(setup.categories, category->Title());
      if (index >= 0) setup.chosenCategory = index;
      setup.subcategoryChecked = !first->IsCategory();
    }
  }
  setup.focus = setup.subcategoryChecked ? AddCatField::SubcategoryName : AddCatField::CategoryName;
  return setup;
}

AddCatResult AddCatOk(Catalogue& catalogue, UndoJournal& journal, Prompter& prompter, AddCatForm& form) {
  form.categoryName = TrimmedUtf8(form.categoryName);
  form.subcategoryName = TrimmedUtf8(form.subcategoryName);
  AddCatResult result;

  if (form.mode == AddCatMode::CategoryOnly || !form.subcategoryChecked) {
    result.focus = AddCatField::CategoryName;
    const std::optional<std::string> title = CheckName(catalogue, prompter, form.categoryName, 0);
    if (!title) return result;
    result.close = true;
    result.added = AddCategoryNode(catalogue, *title);
    journal.RecordJournalEntry(catalogue, JournalOp::AddCategory, *title);
    return result;
  }

  result.focus = AddCatField::SubcategoryName;
  const std::optional<std::string> title = CheckName(catalogue, prompter, form.subcategoryName, 1);
  if (!title) return result;
  result.close = true;
  if (!form.chosenCategory) return result;
  result.added = AddSubcategoryNode(catalogue, *title, *form.chosenCategory, true);
  // Nothing added (the category vanished or is blank): nothing to record.
  if (result.added != nullptr)
    journal.RecordJournalEntry(catalogue, JournalOp::AddSubcategory,
                               AddSubcategoryDetail(*title, *form.chosenCategory));
  return result;
}

}  // namespace lrv
