#pragma once
// A result list: a flat list of rows, each a copy of the five column
// values of an article (title, count, file name, state, viewed mark). A
// row does not point back into the catalogue; it is matched to an article
// by its file name or title when needed. The search fills and shows it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace lrv {

struct ResultRow {
  std::array<std::string, kColumnCount> values;  // Windows-1251, by Column

  const std::string& Value(int column) const;  // "" for a column out of range
  void SetValue(int column, std::string_view text);
};

struct ResultList {
  std::vector<ResultRow> rows;
};

// The five values of a node as a row.
ResultRow ResultRowOf(const CatalogueNode& node);

// After a marking is undone or redone: every row takes the state of the
// first article (tree order) whose file name equals the row's exactly. A
// row whose file matches no article keeps its state: there is nothing
// better to show.
void CopyStatesIntoResultList(const Catalogue& catalogue, ResultList& results);

}  // namespace lrv
