#include "editing/ui/sibling_selection_model.h"

#include "editing/ui/catalogue_model.h"

namespace lrv {

SiblingSelectionModel::SiblingSelectionModel(CatalogueModel* model, QObject* parent)
    : QItemSelectionModel(model, parent), catalogueModel_(model) {}

QModelIndex SiblingSelectionModel::AllowedParent(const QItemSelection& selection,
                                                 QItemSelectionModel::SelectionFlags command) const {
  if (!command.testFlag(QItemSelectionModel::Clear)) {
    // Extending: the first selected node decides (the catalogue keeps the
    // order in which nodes were selected).
    if (const CatalogueNode* first = catalogueModel_->GetCatalogue().SelectedNode(0))
      return catalogueModel_->IndexFromNode(first->Parent());
    if (hasSelection()) return this->selection().first().parent();
  }
  // A fresh selection: the rows around the clicked or keyed-to node, else
  // the first rows given.
  const QModelIndex current = currentIndex();
  if (current.isValid() && selection.contains(current)) return current.parent();
  return selection.first().parent();
}

void SiblingSelectionModel::select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) {
  const bool adds = command.testAnyFlags(QItemSelectionModel::Select | QItemSelectionModel::Toggle);
  if (!adds || selection.isEmpty()) {
    QItemSelectionModel::select(selection, command);
    return;
  }
  const QModelIndex allowed = AllowedParent(selection, command);
  QItemSelection siblings;
  for (const QItemSelectionRange& range : selection)
    if (range.parent() == allowed) siblings.append(range);
  QItemSelectionModel::select(siblings, command);
}

}  // namespace lrv
