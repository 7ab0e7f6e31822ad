#pragma once
// Adding categories and subcategories: the two node-creating operations
// (also used by adding articles, moving and the update service) and the
// logic of the dialog TfmAddCat.
//
// After a change the caller shows the status counts again
// (UpdateStatusCounts).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/journal.h"
#include "platform/prompter.h"

namespace lrv {

// Appends a category with the title and the count "0", re-sorts, and makes
// it the focused and only selected node. The title is not checked.
CatalogueNode* AddCategoryNode(Catalogue& catalogue, std::string_view title);

// Appends a subcategory with the title and the count "0" to the first
// category with `categoryTitle` and raises that category's count by one;
// re-sorts. With `select` the category is expanded and the new node
// becomes the focused and only selected node. nullptr (nothing added) for
// a blank category title or when no category has it. The title is not
// checked.
CatalogueNode* AddSubcategoryNode(Catalogue& catalogue, std::string_view title, std::string_view categoryTitle,
                                  bool select);

// ---- TfmAddCat

inline constexpr int kAddCatHelp = 8;  // the dialog's "&Справка"
inline constexpr std::string_view kAddCatCaption = "Добавление";

// acAddCategoryUpdate: also with an empty catalogue.
bool AddCategoryEnabled(bool treeInView);

enum class AddCatMode {
  CategoryOnly,  // empty catalogue: only gbAddCat, captioned "Добавить новую категорию"
  Choice,        // both radio buttons and group boxes
};

enum class AddCatField { CategoryName, SubcategoryName };  // edCatName, edSubCatName

// How the dialog opens.
struct AddCatSetup {
  AddCatMode mode = AddCatMode::CategoryOnly;
  std::vector<std::string> categories;  // cbCats in its order (Windows-1251)
  int chosenCategory = -1;              // index into categories, -1: none
  bool subcategoryChecked = false;      // rbAddSubCat checked, else rbAddCat
  AddCatField focus = AddCatField::CategoryName;
};
AddCatSetup PrepareAddCat(const Catalogue& catalogue);

// The dialog's fields when OK is pressed.
struct AddCatForm {
  AddCatMode mode = AddCatMode::CategoryOnly;
  bool subcategoryChecked = false;
  std::string categoryName;                   // edCatName, UTF-8 as typed
  std::string subcategoryName;                // edSubCatName, UTF-8 as typed
  std::optional<std::string> chosenCategory;  // cbCats entry (Windows-1251), nullopt: none
};

struct AddCatResult {
  bool close = false;                            // the checks passed: the dialog closes with OK
  AddCatField focus = AddCatField::CategoryName;  // the field refused, when not closing
  CatalogueNode* added = nullptr;                 // the new node, if one was added
};

// btOkClick and what follows the dialog's OK: trims both names in the form
// (the window puts them back), runs the checks in order with their
// messages (68, 35, 32 for a category; 71, 35, 33 for a subcategory), and
// when they pass adds the node and records "Добавление категории" or
// "Добавление подкатегории". A subcategory with no category chosen closes
// the dialog without a change.
AddCatResult AddCatOk(Catalogue& catalogue, UndoJournal& journal, Prompter& prompter, AddCatForm& form);

}  // namespace lrv
