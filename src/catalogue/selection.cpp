#include "catalogue/selection.h"

#include "base/text.h"

namespace lrv {
namespace {

bool SameTitle(const CatalogueNode& node, std::string_view trimmedTitle) {
  return text::EqualsNoCase(text::Trim(node.Title()), trimmedTitle);
}

void FocusAndSelect(Catalogue& catalogue, CatalogueNode* node) {
  catalogue.SetFocused(node);
  catalogue.Select(node);
}

}  // namespace

CatalogueNode* SelectCategoryByTitle(Catalogue& catalogue, std::string_view title, bool expand) {
  catalogue.ClearSelection();
  const std::string_view wanted = text::Trim(title);
  for (CatalogueNode* category : catalogue.Roots()) {
    if (!SameTitle(*category, wanted)) continue;
    if (expand) catalogue.SetExpanded(category, true);
    FocusAndSelect(catalogue, category);
    return category;
  }
  return nullptr;
}

CatalogueNode* SelectSubcategoryByTitle(Catalogue& catalogue, std::string_view title, bool expand) {
  catalogue.ClearSelection();
  const std::string_view wanted = text::Trim(title);
  for (CatalogueNode* category : catalogue.Roots()) {
    for (CatalogueNode* sub : category->Children()) {
      if (!SameTitle(*sub, wanted)) continue;
      catalogue.SetExpanded(category, true);
      if (expand) catalogue.SetExpanded(sub, true);
      FocusAndSelect(catalogue, sub);
      return sub;
    }
  }
  return nullptr;
}

CatalogueNode* SelectArticleByTitle(Catalogue& catalogue, std::string_view title) {
  catalogue.ClearSelection();
  const std::string_view wanted = text::Trim(title);
  if (wanted.empty()) return nullptr;
  for (CatalogueNode* category : catalogue.Roots()) {
    for (CatalogueNode* sub : category->Children()) {
      for (CatalogueNode* article : sub->Children()) {
        if (!SameTitle(*article, wanted)) continue;
        catalogue.SetExpanded(category, true);
        catalogue.SetExpanded(sub, true);
        FocusAndSelect(catalogue, article);
        catalogue.SetValue(article, ColLook, kLookedYes);
        return article;
      }
    }
  }
  return nullptr;
}

CatalogueNode* SelectByLevel(Catalogue& catalogue, int level, std::string_view title) {
  switch (level) {
    case 0:
      return SelectCategoryByTitle(catalogue, title, false);
    case 1:
      return SelectSubcategoryByTitle(catalogue, title, false);
    case 2:
      return SelectArticleByTitle(catalogue, title);
    default:
      catalogue.ClearSelection();
      return nullptr;
  }
}

}  // namespace lrv
