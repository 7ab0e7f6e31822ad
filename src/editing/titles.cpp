#include "editing/titles.h"

#include <algorithm>

#include "base/text.h"
#include "catalogue/catalogue_rules.h"

namespace lrv {

bool TitleIsValid(std::string_view title) { return !HasForbiddenTitleChar(text::Trim(title)); }

bool SameTitle(std::string_view a, std::string_view b) { return text::EqualsNoCase(text::Trim(a), text::Trim(b)); }

namespace {

// Walks the nodes of one level and stops at the first with the title.
template <class Walk>
bool AnyWithTitle(const Catalogue& catalogue, std::string_view title, Walk walk) {
  const std::string_view wanted = text::Trim(title);
  if (wanted.empty() || catalogue.Empty()) return false;
  bool found = false;
  walk(catalogue, [&](const CatalogueNode* node) {
    if (!found && text::EqualsNoCase(text::Trim(node->Title()), wanted)) found = true;
  });
  return found;
}

}  // namespace

bool CategoryTitleExists(const Catalogue& catalogue, std::string_view title) {
  return FindCategory(catalogue, title) != nullptr;
}

bool SubcategoryTitleExists(const Catalogue& catalogue, std::string_view title) {
  return AnyWithTitle(catalogue, title, [](const Catalogue& c, auto&& visit) { ForEachSubcategory(c, visit); });
}

bool ArticleTitleExists(const Catalogue& catalogue, std::string_view title) {
  return AnyWithTitle(catalogue, title, [](const Catalogue& c, auto&& visit) { ForEachArticle(c, visit); });
}

bool TitleExistsAtLevel(const Catalogue& catalogue, int level, std::string_view title) {
  switch (level) {
    case 0: return CategoryTitleExists(catalogue, title);
    case 1: return SubcategoryTitleExists(catalogue, title);
    case 2: return ArticleTitleExists(catalogue, title);
    default: return false;
  }
}

CatalogueNode* FindCategory(const Catalogue& catalogue, std::string_view title) {
  const std::string_view wanted = text::Trim(title);
  if (wanted.empty()) return nullptr;
  for (CatalogueNode* category : catalogue.Roots())
    if (text::EqualsNoCase(text::Trim(category->Title()), wanted)) return category;
  return nullptr;
}

CatalogueNode* FindSubcategoryIn(const CatalogueNode* category, std::string_view title) {
  if (category == nullptr) return nullptr;
  const std::string_view wanted = text::Trim(title);
  for (CatalogueNode* sub : category->Children())
    if (text::EqualsNoCase(text::Trim(sub->Title()), wanted)) return sub;
  return nullptr;
}

std::optional<std::string> TypedText(std::string_view utf8) { return text::Utf8ToCp1251(TrimmedUtf8(utf8)); }

std::string TrimmedUtf8(std::string_view utf8) {
  // Bytes <= 32 never occur inside a UTF-8 multi-byte sequence, so the
  // byte-wise trim is the same as trimming the Windows-1251 form.
  return std::string(text::Trim(utf8));
}

void SortChoices(std::vector<std::string>& titles) {
  std::stable_sort(titles.begin(), titles.end(), [](const std::string& a, const std::string& b) {
    const int byCase = text::CompareNoCase(a, b);
    return byCase != 0 ? byCase < 0 : a < b;
  });
}

int ChoiceIndex(const std::vector<std::string>& titles, std::string_view title) {
  // The exact title first: of two titles differing only in case (a loaded
  // file may hold both), the one asked for is the one meant.
  for (std::size_t i = 0; i < titles.size(); ++i)
    if (titles[i] == title) return static_cast<int>(i);
  for (std::size_t i = 0; i < titles.size(); ++i)
    if (SameTitle(titles[i], title)) return static_cast<int>(i);
  return -1;
}

}  // namespace lrv
