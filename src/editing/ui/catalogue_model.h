#pragma once
// The Qt face of the catalogue: a QAbstractItemModel over lrv::Catalogue
// with the five node columns. Each index carries its CatalogueNode as the
// internal pointer, so index() and parent() are O(1) (Parent() and Row()).
//
// The model listens to the catalogue and passes every change on in Qt's
// terms; a batch of catalogue changes arrives as one reset or one layout
// change, so even a catalogue of 100 000 articles repaints once.
//
// The catalogue must outlive the model.

#include <QAbstractItemModel>
#include <QColor>
#include <QList>
#include <memory>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"

namespace lrv {

class TreeImages;

class CatalogueModel : public QAbstractItemModel, public CatalogueObserver {
  Q_OBJECT
 public:
  // How the rows are pictured: Tree shows the catalogue with folders for
  // categories and subcategories; FlatArticleList (the result list) shows
  // every row as an article, whatever its depth.
  enum class Rows { Tree, FlatArticleList };

  explicit CatalogueModel(Catalogue& catalogue, Rows rows = Rows::Tree, QObject* parent = nullptr);
  ~CatalogueModel() override;

  Catalogue& GetCatalogue() const { return catalogue_; }
  Rows RowKind() const { return rows_; }

  // ---- Nodes and indexes
  // nullptr for an invalid index (the hidden root).
  CatalogueNode* NodeFromIndex(const QModelIndex& index) const;
  // The invalid index for nullptr.
  QModelIndex IndexFromNode(const CatalogueNode* node, int column = 0) const;
  // True when the row is pictured and hot-tracked as an article.
  bool IsArticleRow(const CatalogueNode& node) const;

  // ---- Pictures and colours
  // The node under the mouse; its picture and article title are drawn
  // highlighted. nullptr: none.
  void SetHotTracked(const CatalogueNode* node);
  const CatalogueNode* HotTracked() const { return hot_; }
  // The picture without highlighting: NodeImageIndex, or for the flat list
  // the article picture of the row's state.
  int BaseImageIndex(const CatalogueNode& node) const;
  // The picture shown (ilTree index): one more for the selected, focused
  // and hot-tracked nodes.
  int ImageIndexOf(const CatalogueNode& node) const;
  const TreeImages& Images() const;
  // Text colours the view takes from its palette: the count column's and
  // the hot-tracked article title's.
  void SetColours(const QColor& countText, const QColor& hotTitle);

  // Header hints: over the title column and over any other column.
  static QString HeaderHint(int column);
  // True between the beginning and the end of a reset, insertion, removal
  // or re-sort: what Qt's selection model does to rows then is its own
  // bookkeeping, not the user's choice.
  bool InStructureChange() const { return changing_; }

  static constexpr const char* kNodesMimeType = "application/x-lorvane-catalogue-nodes";

  // ---- QAbstractItemModel
  QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDropActions() const override;
  Qt::DropActions supportedDragActions() const override;

 signals:
  // Focus, selection or sort marks of the catalogue changed.
  void viewStateChanged();
  // Values of many nodes (expanded flags included) changed in one batch.
  void allNodesChanged();
  // A reset, insertion, removal or re-sort has ended; a view whose
  // selection or current row Qt moved meanwhile follows the catalogue again.
  void structureChanged();

 private:
  // CatalogueObserver
  void OnBeginReset() override;
  void OnEndReset() override;
  void OnBeginInsertNodes(const CatalogueNode* parent, int first, int last) override;
  void OnEndInsertNodes() override;
  void OnBeginRemoveNodes(const CatalogueNode* parent, int first, int last) override;
  void OnEndRemoveNodes() override;
  void OnBeginLayoutChange() override;
  void OnEndLayoutChange() override;
  void OnNodeChanged(const CatalogueNode* node) override;
  void OnAllNodesChanged() override;
  void OnViewStateChanged() override;

  template <class F>
  void EndStructureChange(F&& end);
  void EmitRowChanged(const CatalogueNode* node, int firstColumn, int lastColumn);

  Catalogue& catalogue_;
  Rows rows_;
  const CatalogueNode* hot_ = nullptr;
  bool changing_ = false;
  QColor countText_;
  QColor hotTitle_;
  mutable std::unique_ptr<TreeImages> images_;  // drawn on first use

  // Persistent indexes kept across a layout change, with their nodes.
  QList<QModelIndex> layoutOld_;
  std::vector<std::pair<CatalogueNode*, int>> layoutNodes_;
};

}  // namespace lrv
