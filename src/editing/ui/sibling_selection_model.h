#pragma once
// Selection of the catalogue tree: several rows with Ctrl and Shift, but
// only siblings. A row joins the selection only when it has the parent of
// the first selected node; every command that acts on several nodes (mark,
// delete, move) relies on that.

#include <QItemSelectionModel>

namespace lrv {

class CatalogueModel;

class SiblingSelectionModel : public QItemSelectionModel {
  Q_OBJECT
 public:
  SiblingSelectionModel(CatalogueModel* model, QObject* parent = nullptr);

  using QItemSelectionModel::select;
  void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;

 private:
  // The parent whose children may be selected by this command.
  QModelIndex AllowedParent(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) const;

  CatalogueModel* catalogueModel_;
};

}  // namespace lrv
