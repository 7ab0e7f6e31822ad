#include "catalogue/catalogue_rules.h"

#include <optional>
#include <string_view>

#include "base/text.h"

namespace lrv {

std::string_view ColumnCaption(int column) {
  switch (column) {
    case ColTitle: return "  Названия";
    case ColCount: return "";
    case ColFileName: return "Имя файла";
    case ColState: return "Состояние";
    case ColLook: return "Просмотренная статья";
    default: return "";
  }
}

bool ColumnSortsAsNumber(int column) { return text::Trim(ColumnCaption(column)).empty(); }

std::string_view ArticleStateText(ArticleState state) {
  switch (state) {
    case ArticleState::Favourite: return kStateFavourite;
    case ArticleState::New: return kStateNew;
    case ArticleState::Read: return kStateRead;
    case ArticleState::NotRead: break;
  }
  return kStateNotRead;
}

ArticleState ArticleStateOf(std::string_view text) {
  if (text == kStateFavourite) return ArticleState::Favourite;
  if (text == kStateNew) return ArticleState::New;
  if (text == kStateRead) return ArticleState::Read;
  return ArticleState::NotRead;
}

bool HasForbiddenTitleChar(std::string_view title) {
  return title.find_first_of(ForbiddenTitleChars) != std::string_view::npos;
}

int NodeImageIndex(const CatalogueNode& node) {
  if (node.IsArticle()) {
    const std::string& state = node.Value(ColState);
    if (state == kStateFavourite) return 8;
    if (state == kStateNew) return 6;
    if (state == kStateRead) return 10;
    return 4;
  }
  return node.Expanded() ? 2 : 0;
}

int DisplayImageIndex(const Catalogue& catalogue, const CatalogueNode& node, const CatalogueNode* hotTracked) {
  const bool highlighted = node.IsSelected() || catalogue.Focused() == &node || hotTracked == &node;
  return NodeImageIndex(node) + (highlighted ? 1 : 0);
}

void RefreshNodeImage(Catalogue& catalogue, CatalogueNode* node) {
  if (node == nullptr) return;
  const int index = DisplayImageIndex(catalogue, *node);
  catalogue.SetImageIndex(node, index);
  catalogue.SetSelectedIndex(node, index);
}

namespace {

std::optional<int> CountValue(const std::string& text) {
  const std::string_view trimmed = text::Trim(text);
  if (trimmed.empty()) return std::nullopt;
  return text::StrToInt(trimmed);
}

template <class T>
int Sign(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

int tlMainCompare(const SortMarks& marks, const CatalogueNode& a, const CatalogueNode& b) {
  int column = 0;
  while (column < kColumnCount && marks[static_cast<std::size_t>(column)] == SortMark::None) ++column;
  if (column == kColumnCount) return 0;
  const bool ascending = marks[static_cast<std::size_t>(column)] == SortMark::Ascending;
  const CatalogueNode& first = ascending ? a : b;
  const CatalogueNode& second = ascending ? b : a;
  if (!ColumnSortsAsNumber(column)) {
    // std::char_traits<char> compares as unsigned char: Windows-1251 byte order.
    const int c = std::string_view(first.Value(column)).compare(second.Value(column));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
  }
  const auto x = CountValue(first.Value(column));
  const auto y = CountValue(second.Value(column));
  if (!x || !y) return Sign(x.has_value(), y.has_value());
  return Sign(*x, *y);
}

void RecountChildren(Catalogue& catalogue) {
  CatalogueBatch batch(catalogue);
  for (CatalogueNode* category : catalogue.Roots()) {
    catalogue.SetValue(category, ColCount, text::IntToStr(category->ChildCount()));
    for (CatalogueNode* sub : category->Children())
      catalogue.SetValue(sub, ColCount, text::IntToStr(sub->ChildCount()));
  }
  catalogue.Sort();
}

StatusCounts CountCatalogue(const Catalogue& catalogue) {
  StatusCounts counts;
  counts.categories = catalogue.RootCount();
  for (const CatalogueNode* category : catalogue.Roots()) {
    counts.subcategories += category->ChildCount();
    for (const CatalogueNode* sub : category->Children()) counts.articles += sub->ChildCount();
  }
  return counts;
}

StatusCaptions UpdateStatusCounts(const Catalogue& catalogue) {
  const StatusCounts counts = CountCatalogue(catalogue);
  return {"Категорий: " + text::IntToStr(counts.categories),
          "Подкатегорий: " + text::IntToStr(counts.subcategories),
          "Статей в архиве: " + text::IntToStr(counts.articles)};
}

}  // namespace lrv
