#include "editing/add_article.h"

#include <cstdint>

#include "base/text.h"
#include "catalogue/catalogue_rules.h"
#include "editing/add_category.h"
#include "editing/count_column.h"
#include "editing/titles.h"

namespace lrv {

int SubcategoryCount(const Catalogue& catalogue) {
  long long count = 0;
  for (const CatalogueNode* category : catalogue.Roots()) count += category->ChildCount();
  return count > INT32_MAX ? INT32_MAX : static_cast<int>(count);
}

void FillSubcategoryList(const Catalogue& catalogue, std::string_view categoryTitle, std::vector<std::string>& list) {
  list.clear();
  const CatalogueNode* category = FindCategory(catalogue, categoryTitle);
  if (category == nullptr) return;
  for (const CatalogueNode* sub : category->Children()) list.push_back(sub->Title());
}

std::optional<std::string> ArticleWithFile(const Catalogue& catalogue, std::string_view fileName) {
  const std::string_view wanted = text::Trim(fileName);
  if (wanted.empty() || catalogue.Empty()) return std::nullopt;
  std::optional<std::string> title;
  ForEachArticle(catalogue, [&](const CatalogueNode* article) {
    if (text::EqualsNoCase(text::Trim(article->Value(ColFileName)), wanted)) title = article->Title();
  });
  return title;
}

CatalogueNode* ArticleTarget(const Catalogue& catalogue, std::string_view categoryTitle,
                             std::string_view subcategoryTitle) {
  return FindSubcategoryIn(FindCategory(catalogue, categoryTitle), subcategoryTitle);
}

CatalogueNode* AddArticleNode(Catalogue& catalogue, std::string_view title, std::string_view subcategoryTitle,
                              bool select, std::string_view state, std::string_view fileName,
                              std::string_view categoryTitle) {
  if (!CategoryTitleExists(catalogue, categoryTitle)) AddCategoryNode(catalogue, categoryTitle);
  if (!SubcategoryTitleExists(catalogue, subcategoryTitle))
    AddSubcategoryNode(catalogue, subcategoryTitle, categoryTitle, false);
  CatalogueNode* sub = ArticleTarget(catalogue, categoryTitle, subcategoryTitle);
  if (sub == nullptr) return nullptr;

  CatalogueNode* article = catalogue.AddChild(sub);
  catalogue.SetValue(article, ColTitle, title);
  catalogue.SetValue(article, ColFileName, fileName);
  catalogue.SetValue(article, ColState, state);
  ChangeCount(catalogue, sub, +1, 0);
  catalogue.Sort();
  if (select) {
    catalogue.SetExpanded(sub, true);
    catalogue.SelectOnly(article);
    catalogue.SetFocused(article);
  }
  return article;
}

bool UpdateArticle(Catalogue& catalogue, CatalogueNode* article, std::string_view title, bool select,
                   std::string_view state, std::string_view fileName, std::string_view presentSubcategoryTitle,
                   std::string_view categoryTitle, std::string_view subcategoryTitle) {
  if (article == nullptr || text::Trim(subcategoryTitle).empty() || text::Trim(categoryTitle).empty() ||
      catalogue.Empty())
    return false;

  if (presentSubcategoryTitle != subcategoryTitle) {
    // The copy goes exactly where AddArticleNode puts it; when that place
    // does not exist (duplicate category titles in a loaded file can hide
    // it), the article stays where it is.
    if (ArticleTarget(catalogue, categoryTitle, subcategoryTitle) == nullptr) return false;
    CatalogueNode* oldParent = article->Parent();
    CatalogueBatch batch(catalogue);
    if (AddArticleNode(catalogue, title, subcategoryTitle, select, state, fileName, categoryTitle) == nullptr)
      return false;
    ChangeCount(catalogue, oldParent, -1, 1);
    catalogue.DeleteNode(article);
    return true;
  }

  catalogue.SetValue(article, ColTitle, title);
  catalogue.SetValue(article, ColFileName, fileName);
  catalogue.SetValue(article, ColState, state);
  RefreshNodeImage(catalogue, article);
  if (catalogue.GetSortMark(ColCount) == SortMark::None) catalogue.Sort();
  return true;
}

bool AddArticleEnabled(const Catalogue& catalogue, bool treeInView) {
  return catalogue.RootCount() >= 1 && SubcategoryCount(catalogue) >= 1 && treeInView;
}

bool ArticlePropertiesEnabled(const Catalogue& catalogue, bool treeInView) {
  return catalogue.SelectedCount() == 1 && treeInView && catalogue.SelectedNode(0)->IsArticle();
}

}  // namespace lrv
