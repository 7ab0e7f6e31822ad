#pragma once
// Rules over the catalogue model: node pictures, the sibling comparison,
// the count column, the status-bar counts and the three-level walks.

#include <string>

#include "catalogue/catalogue.h"

namespace lrv {

// Picture of a node without highlighting: articles by their exact state
// text ("1" 8, "2" 6, "3" 10, anything else 4); every other level by its
// expanded flag (2 expanded, 0 collapsed). Even numbers: the odd one next
// to each is the highlighted variant.
int NodeImageIndex(const CatalogueNode& node);
// The picture shown: NodeImageIndex plus one for a selected node, the
// focused node and the node under the mouse (hotTracked, known only to
// the window).
int DisplayImageIndex(const Catalogue& catalogue, const CatalogueNode& node,
                      const CatalogueNode* hotTracked = nullptr);
// Stores DisplayImageIndex as the node's image and selected index; the
// view calls it when the focus moves to the node and when the node is
// expanded or collapsed, and the editing commands after changing a state.
void RefreshNodeImage(Catalogue& catalogue, CatalogueNode* node);

// The sibling comparison (<0: a first). The first column carrying a sort
// mark decides; with none, 0. Text columns compare Windows-1251 bytes by
// unsigned value (a prefix first). The count column compares the trimmed
// texts as integers; texts that are empty or no integer compare equal to
// each other and before every number, so that the comparison stays a
// strict weak ordering. Descending swaps the two nodes.
int tlMainCompare(const SortMarks& marks, const CatalogueNode& a, const CatalogueNode& b);

// Sets column ColCount of every category and subcategory to its number of
// children, then re-sorts by the current marks. Articles are not touched.
void RecountChildren(Catalogue& catalogue);

struct StatusCounts {
  long long categories = 0;
  long long subcategories = 0;
  long long articles = 0;
};
// Categories = roots; subcategories = their children; articles = the
// subcategories' children.
StatusCounts CountCatalogue(const Catalogue& catalogue);

// The three status-bar captions, in UTF-8 (the window's form):
// "Категорий: N", "Подкатегорий: N", "Статей в архиве: N".
struct StatusCaptions {
  std::string categories;
  std::string subcategories;
  std::string articles;
};
StatusCaptions UpdateStatusCounts(const Catalogue& catalogue);

// ---- Walks. They visit levels 0 to 2 only, in sibling order; deeper nodes
// of a foreign file are never visited.

// Every node of the three levels in tree order: a category, then each of
// its subcategories followed by that subcategory's articles.
template <class F>
void ForEachNodeOfThreeLevels(const Catalogue& catalogue, F&& visit) {
  for (CatalogueNode* category : catalogue.Roots()) {
    visit(category);
    for (CatalogueNode* sub : category->Children()) {
      visit(sub);
      for (CatalogueNode* article : sub->Children()) visit(article);
    }
  }
}

template <class F>
void ForEachSubcategory(const Catalogue& catalogue, F&& visit) {
  for (CatalogueNode* category : catalogue.Roots())
    for (CatalogueNode* sub : category->Children()) visit(sub);
}

template <class F>
void ForEachArticle(const Catalogue& catalogue, F&& visit) {
  for (CatalogueNode* category : catalogue.Roots())
    for (CatalogueNode* sub : category->Children())
      for (CatalogueNode* article : sub->Children()) visit(article);
}

}  // namespace lrv
