#pragma once
// The catalogue tree control: `tlMain` in the main window's left panel and,
// as a flat list, the result list `tlSearch`. It shows a lrv::Catalogue
// through CatalogueModel and keeps the catalogue's view state (focus,
// selection list, expanded flags, sort marks) in step with itself both
// ways: what the user does reaches the catalogue at once, and what core
// code sets on the catalogue shows in the control.
//
// Columns: the title (stretching) and the narrow count column are shown,
// file name, state and viewed mark hidden; the result list shows the title
// alone. Several nodes can be selected
// with Ctrl and Shift, siblings only. The control reports keys and mouse
// buttons as signals; the main window binds them to its commands.

#include <QList>
#include <QTreeView>
#include <functional>
#include <vector>

#include "catalogue/catalogue.h"

class QMimeData;

namespace lrv {

class CatalogueModel;

class TCatalogueTree : public QTreeView {
  Q_OBJECT
 public:
  // Catalogue: the tree `tlMain`. ResultList: a flat list of articles
  // (`tlSearch`) over a catalogue that holds the result rows as roots.
  enum class Kind { Catalogue, ResultList };

  // The object name is "tlMain" or "tlSearch" by kind. The catalogue must
  // outlive the control.
  explicit TCatalogueTree(Catalogue& catalogue, Kind kind = Kind::Catalogue, QWidget* parent = nullptr);
  ~TCatalogueTree() override;

  Catalogue& GetCatalogue() const { return catalogue_; }
  CatalogueModel* Model() const { return model_; }
  Kind GetKind() const { return kind_; }

  // Nodes and indexes of this control (column 0).
  CatalogueNode* NodeFromIndex(const QModelIndex& index) const;
  QModelIndex IndexFromNode(const CatalogueNode* node) const;
  // The node of the row under a point of the viewport, or nullptr.
  CatalogueNode* NodeAt(const QPoint& viewportPos) const;

  // Stores the node's picture as its image and selected index (the focus
  // moved to it, it was expanded or collapsed, its state changed).
  void RefreshNodeImage(CatalogueNode* node);
  // RefreshNodeImage for every selected node, in selection order.
  void RefreshSelectedImages();
  // Expands or collapses every node at every level in one change.
  void SetAllExpanded(bool expanded);

  // Decides while dragging whether the dragged nodes may be dropped on a
  // node (the move rules; it may also show feedback). Without one every
  // node under the pointer accepts.
  void SetDropFilter(std::function<bool(CatalogueNode* target)> filter) { dropFilter_ = std::move(filter); }
  // What a drag from this control carries; drops are accepted only from it.
  QMimeData* CreateDragData() const;

  // The hint of the header under a point of the header ("Названия
  // категорий и статей" over the title, "Количество вложений" over any
  // other column), empty off the sections. The header shows it as its
  // tooltip by itself.
  QString HeaderHintAt(const QPoint& headerPos) const;

 signals:
  // Right mouse button pressed over the control (screen coordinates).
  void contextMenuRequested(QPoint globalPos);
  // The context-menu key or Shift+F10: the menu opens at the panel.
  void contextMenuRequestedAtPanel();
  // Enter without Ctrl and Shift, or a double click on a row.
  void openRequested();
  // F2.
  void renameRequested();
  // The number of selected nodes changed; shiftOrCtrlHeld tells whether
  // either key was down at that moment (the status text shows the count
  // only then).
  void selectedCountChanged(int count, bool shiftOrCtrlHeld);
  // A drag of the selected nodes began.
  void dragStarted(const QList<lrv::CatalogueNode*>& nodes);
  // The dragged nodes were dropped on a node.
  void nodesDropped(lrv::CatalogueNode* target);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

  void startDrag(Qt::DropActions supportedActions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

  void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
  void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                   const QList<int>& roles = QList<int>()) override;
  void rowsInserted(const QModelIndex& parent, int start, int end) override;

 private:
  void SetUpColumns();
  void ApplyColours();

  // Catalogue -> control.
  void SyncFromCatalogue();
  void SyncSelectionFromCatalogue();
  void SyncSortIndicator();
  void ExpandParents(const CatalogueNode* node);
  // Brings the control's expanded rows in line with the catalogue's flags
  // for the given subtrees (nullptr: the whole catalogue).
  void SyncExpansion(const CatalogueNode* subtree);
  void SyncNodeExpansion(CatalogueNode* node);
  void OnStructureChanged();

  // Control -> catalogue.
  void OnExpansionChanged(const QModelIndex& index, bool expanded);
  void OnHeaderClicked(int column);
  void ReportSelectionCount();
  bool ShiftOrCtrlHeld() const;

  void UpdateHotTracking(const QPoint& viewportPos);
  bool FromThisTree(const QMimeData* data) const;

  Catalogue& catalogue_;
  Kind kind_;
  CatalogueModel* model_;
  std::function<bool(CatalogueNode*)> dropFilter_;

  bool pushing_ = false;             // the control is writing to the catalogue
  bool syncing_ = false;             // the control is following the catalogue
  bool applyingExpansion_ = false;   // expand/collapse calls made to follow the catalogue
  bool syncingExpansion_ = false;
  bool applyingColours_ = false;
  bool menuKeyPressed_ = false;      // a context-menu event follows the menu key on some platforms
  Qt::KeyboardModifiers inputModifiers_ = Qt::NoModifier;  // of the input event being handled
  Qt::KeyboardModifiers headerModifiers_ = Qt::NoModifier;
  int reportedCount_ = 0;
  std::vector<CatalogueNode*> pendingExpansion_;  // inserted subtrees to show expanded
  bool pendingFullExpansion_ = false;              // after a reset
};

}  // namespace lrv
