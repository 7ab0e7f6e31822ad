#pragma once
// Putting the focus back on a node found by its title, after undo and redo
// and after an article was shown. Each function first clears the
// selection, compares titles trimmed and without regard to letter case,
// and acts on the first match in tree order. Titles are Windows-1251.

#include <string_view>

#include "catalogue/catalogue.h"

namespace lrv {

// The category found is expanded when asked, then focused and selected.
CatalogueNode* SelectCategoryByTitle(Catalogue& catalogue, std::string_view title, bool expand);
// The subcategory found has its category expanded, is expanded itself
// when asked, then is focused and selected.
CatalogueNode* SelectSubcategoryByTitle(Catalogue& catalogue, std::string_view title, bool expand);
// The article found has its category and subcategory expanded, is focused
// and selected, and is marked viewed. A blank title finds nothing.
CatalogueNode* SelectArticleByTitle(Catalogue& catalogue, std::string_view title);
// Level 0: the category (not expanded); 1: the subcategory (not expanded
// itself); 2: the article; any other level: nothing but the cleared selection.
CatalogueNode* SelectByLevel(Catalogue& catalogue, int level, std::string_view title);

}  // namespace lrv
