#include "search/ui/search_list.h"

#include <QItemSelectionModel>
#include <algorithm>

#include "base/text.h"

namespace lrv {

TSearchList::TSearchList(ResultList& results, QWidget* parent)
    : TCatalogueTree(rows, Kind::ResultList, parent), results_(results) {
  rows.AddObserver(this);
  ShowRows();
}

TSearchList::~TSearchList() { rows.RemoveObserver(this); }

void TSearchList::ShowRows() {
  {
    filling_ = true;
    CatalogueBatch batch(rows);
    rows.ClearSelection();
    rows.SetFocused(nullptr);
    rows.Clear();
    for (const ResultRow& row : results_.rows) {
      CatalogueNode* node = rows.AddRoot();
      rows.SetValues(node, std::vector<std::string>(row.values.begin(), row.values.end()));
    }
    rows.Sort();
    filling_ = false;
  }
  CopyShownOrderToResults();
}

void TSearchList::RowsChanged() {
  if (static_cast<std::size_t>(rows.RootCount()) != results_.rows.size()) {
    ShowRows();
    return;
  }
  CatalogueBatch batch(rows);
  for (int i = 0; i < rows.RootCount(); ++i) {
    CatalogueNode* node = rows.Root(i);
    const ResultRow& row = results_.rows[static_cast<std::size_t>(i)];
    for (int column = 0; column < kColumnCount; ++column)
      if (node->Value(column) != row.Value(column)) rows.SetValue(node, column, row.Value(column));
  }
  // A changed state changes the row's picture.
  RefreshSelectedImages();
}

std::vector<int> TSearchList::SelectedRows() const {
  std::vector<int> selected;
  for (const CatalogueNode* node : rows.Selection()) selected.push_back(node->Row());
  return selected;
}

int TSearchList::SelectByTitle(std::string_view title) {
  rows.ClearSelection();
  const std::string wanted = text::Lower(text::Trim(title));
  if (wanted.empty()) return -1;
  for (int i = 0; i < rows.RootCount(); ++i) {
    CatalogueNode* node = rows.Root(i);
    if (text::Lower(text::Trim(node->Title())) != wanted) continue;
    rows.SetFocused(node);
    rows.SelectOnly(node);
    rows.SetValue(node, ColLook, kLookedYes);
    if (static_cast<std::size_t>(i) < results_.rows.size())
      results_.rows[static_cast<std::size_t>(i)].SetValue(ColLook, kLookedYes);
    RefreshNodeImage(node);
    return i;
  }
  return -1;
}

void TSearchList::OnEndLayoutChange() {
  if (!filling_) CopyShownOrderToResults();
}

void TSearchList::OnEndReset() {
  if (!filling_) CopyShownOrderToResults();
}

void TSearchList::CopyShownOrderToResults() {
  std::vector<ResultRow> shown;
  shown.reserve(static_cast<std::size_t>(rows.RootCount()));
  for (const CatalogueNode* node : rows.Roots()) {
    ResultRow row;
    for (int column = 0; column < kColumnCount; ++column) row.SetValue(column, node->Value(column));
    shown.push_back(std::move(row));
  }
  results_.rows = std::move(shown);
}

}  // namespace lrv
