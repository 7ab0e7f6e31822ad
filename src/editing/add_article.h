#pragma once
// Putting articles into the catalogue and changing them: the operations
// the add and properties dialogs, the move commands and the update
// service call. Titles and file names are not checked here; the callers
// do that.
//
// After a change the caller shows the status counts again
// (UpdateStatusCounts).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace lrv {

// Number of subcategories in the whole catalogue.
int SubcategoryCount(const Catalogue& catalogue);

// Clears `list`; for a non-blank title appends the titles of the first
// category with that title, in tree order.
void FillSubcategoryList(const Catalogue& catalogue, std::string_view categoryTitle, std::vector<std::string>& list);

// The title of the article whose trimmed file name equals the trimmed
// name without regard to case (of several, the one met last in tree
// order); nullopt for a blank name, an empty catalogue or no such article.
std::optional<std::string> ArticleWithFile(const Catalogue& catalogue, std::string_view fileName);

// Adds an article under the subcategory `subcategoryTitle` of the
// category `categoryTitle`:
//  - a category of that title is created when none exists;
//  - a subcategory of that title is created in it when none exists
//    anywhere;
//  - the article is appended to the first matching subcategory of the
//    first matching category with the title, file name and state; the
//    subcategory's count rises by one; the tree is re-sorted;
//  - with `select` the subcategory is expanded and the article becomes the
//    focused and only selected node.
// nullptr when the subcategory title exists, but under another category:
// then no article is added (a category may have been created).
CatalogueNode* AddArticleNode(Catalogue& catalogue, std::string_view title, std::string_view subcategoryTitle,
                              bool select, std::string_view state, std::string_view fileName,
                              std::string_view categoryTitle);

// Changes an article. When `presentSubcategoryTitle` differs (exactly)
// from `subcategoryTitle`, the article is re-created under that
// subcategory of the category `categoryTitle` (AddArticleNode, empty
// viewed mark) and the old node goes, lowering its parent's count;
// otherwise title, file name and state are set in place, the node's image
// refreshed and the tree re-sorted unless the count column carries a sort
// mark.
//
// False, and nothing changed, for a null node, a blank category or
// subcategory title, an empty catalogue, or a target subcategory that is
// not where AddArticleNode would put the article: the article is never
// deleted before its copy exists.
bool UpdateArticle(Catalogue& catalogue, CatalogueNode* article, std::string_view title, bool select,
                   std::string_view state, std::string_view fileName, std::string_view presentSubcategoryTitle,
                   std::string_view categoryTitle, std::string_view subcategoryTitle);

// The place where AddArticleNode puts an article when the category and
// subcategory already exist; nullptr when it would create one or fail.
CatalogueNode* ArticleTarget(const Catalogue& catalogue, std::string_view categoryTitle,
                             std::string_view subcategoryTitle);

// Enabling of acAddArticle and acArticlesProperties.
bool AddArticleEnabled(const Catalogue& catalogue, bool treeInView);
bool ArticlePropertiesEnabled(const Catalogue& catalogue, bool treeInView);

}  // namespace lrv
