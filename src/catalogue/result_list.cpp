#include "catalogue/result_list.h"

#include <unordered_map>

#include "catalogue/catalogue_rules.h"

namespace lrv {

const std::string& ResultRow::Value(int column) const {
  static const std::string kEmpty;
  if (column < 0 || column >= kColumnCount) return kEmpty;
  return values[static_cast<std::size_t>(column)];
}

void ResultRow::SetValue(int column, std::string_view text) {
  if (column < 0 || column >= kColumnCount) return;
  values[static_cast<std::size_t>(column)].assign(text);
}

ResultRow ResultRowOf(const CatalogueNode& node) {
  ResultRow row;
  for (int column = 0; column < kColumnCount; ++column) row.SetValue(column, node.Value(column));
  return row;
}

void CopyStatesIntoResultList(const Catalogue& catalogue, ResultList& results) {
  if (results.rows.empty()) return;
  // The first article of each file name, so a long list is one pass.
  std::unordered_map<std::string_view, const CatalogueNode*> byFile;
  ForEachArticle(catalogue, [&byFile](const CatalogueNode* article) {
    byFile.try_emplace(article->Value(ColFileName), article);
  });
  for (ResultRow& row : results.rows) {
    const auto found = byFile.find(row.Value(ColFileName));
    if (found != byFile.end()) row.SetValue(ColState, found->second->Value(ColState));
  }
}

}  // namespace lrv
