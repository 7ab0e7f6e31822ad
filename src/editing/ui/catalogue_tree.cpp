#include "editing/ui/catalogue_tree.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScopedValueRollback>
#include <QSet>
#include <algorithm>
#include <vector>

#include "base/color.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/columns.h"
#include "editing/ui/catalogue_model.h"
#include "editing/ui/sibling_selection_model.h"

namespace lrv {
namespace {

QColor Lighten(const QColor& colour, int percent) {
  const Rgb rgb = LightenColor(Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                                   static_cast<std::uint8_t>(colour.blue())},
                               percent);
  return QColor(rgb.r, rgb.g, rgb.b);
}

bool HasNextSibling(const Catalogue& catalogue, const CatalogueNode& node) {
  return static_cast<std::size_t>(node.Row()) + 1 < catalogue.ChildrenOf(node.Parent()).size();
}

}  // namespace

TCatalogueTree::TCatalogueTree(Catalogue& catalogue, Kind kind, QWidget* parent)
    : QTreeView(parent),
      catalogue_(catalogue),
      kind_(kind),
      model_(new CatalogueModel(catalogue,
                                kind == Kind::Catalogue ? CatalogueModel::Rows::Tree
                                                        : CatalogueModel::Rows::FlatArticleList,
                                this)) {
  setObjectName(kind == Kind::Catalogue ? QStringLiteral("tlMain") : QStringLiteral("tlSearch"));
  setModel(model_);
  QItemSelectionModel* defaultSelection = selectionModel();
  setSelectionModel(new SiblingSelectionModel(model_, this));
  delete defaultSelection;

  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setIndentation(19);
  setRootIsDecorated(kind == Kind::Catalogue);
  setItemsExpandable(kind == Kind::Catalogue);
  setExpandsOnDoubleClick(kind == Kind::Catalogue);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);

  // Nodes move by dragging within the catalogue only; they are dropped on a
  // node (their new parent), never between two.
  const bool drags = kind == Kind::Catalogue;
  setDragEnabled(drags);
  setAcceptDrops(drags);
  setDragDropMode(drags ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
  setDragDropOverwriteMode(true);
  setDefaultDropAction(Qt::MoveAction);
  setDropIndicatorShown(true);
  setAutoScroll(true);
  setAutoExpandDelay(600);

  SetUpColumns();
  ApplyColours();

  connect(this, &QTreeView::expanded, this, [this](const QModelIndex& i) { OnExpansionChanged(i, true); });
  connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& i) { OnExpansionChanged(i, false); });
  connect(model_, &CatalogueModel::viewStateChanged, this, &TCatalogueTree::SyncFromCatalogue);
  connect(model_, &CatalogueModel::structureChanged, this, &TCatalogueTree::OnStructureChanged);
  connect(model_, &CatalogueModel::allNodesChanged, this, [this] { SyncExpansion(nullptr); });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    pendingExpansion_.clear();  // the nodes may be gone
    pendingFullExpansion_ = true;
  });

  SyncExpansion(nullptr);
  SyncFromCatalogue();
}

TCatalogueTree::~TCatalogueTree() = default;

void TCatalogueTree::SetUpColumns() {
  QHeaderView* head = header();
  head->setSectionsMovable(false);
  head->setStretchLastSection(false);
  head->setMinimumSectionSize(12);
  head->setSectionResizeMode(ColTitle, QHeaderView::Stretch);
  head->setSectionResizeMode(ColCount, QHeaderView::Fixed);
  head->resizeSection(ColCount, 12);
  head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  head->setSectionsClickable(true);
  head->setSortIndicatorShown(true);
  // The result list shows the titles alone.
  const int firstHidden = kind_ == Kind::Catalogue ? ColFileName : ColCount;
  for (int column = firstHidden; column < kColumnCount; ++column) setColumnHidden(column, true);
  head->viewport()->installEventFilter(this);
  connect(head, &QHeaderView::sectionClicked, this, &TCatalogueTree::OnHeaderClicked);
}

// Selected rows keep the window background and show in the lightened
// highlight colour, focused or not; the hot-tracked article title uses the
// same colour, the count column the button-shadow grey.
void TCatalogueTree::ApplyColours() {
  if (applyingColours_) return;
  QScopedValueRollback guard(applyingColours_, true);
  const QPalette system = QApplication::palette(this);
  const QColor selectionText = Lighten(system.color(QPalette::Active, QPalette::Highlight), 10);
  QPalette pal = palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::Highlight, system.color(QPalette::Active, QPalette::Base));
    pal.setColor(group, QPalette::HighlightedText, selectionText);
  }
  setPalette(pal);
  model_->SetColours(system.color(QPalette::Active, QPalette::Dark), selectionText);
}

void TCatalogueTree::changeEvent(QEvent* event) {
  QTreeView::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) ApplyColours();
}

// ---------------------------------------------------------------- nodes

CatalogueNode* TCatalogueTree::NodeFromIndex(const QModelIndex& index) const { return model_->NodeFromIndex(index); }

QModelIndex TCatalogueTree::IndexFromNode(const CatalogueNode* node) const { return model_->IndexFromNode(node); }

CatalogueNode* TCatalogueTree::NodeAt(const QPoint& viewportPos) const { return NodeFromIndex(indexAt(viewportPos)); }

void TCatalogueTree::RefreshNodeImage(CatalogueNode* node) {
  if (node == nullptr) return;
  if (kind_ == Kind::Catalogue) {
    lrv::RefreshNodeImage(catalogue_, node);
    return;
  }
  const bool highlighted = node->IsSelected() || catalogue_.Focused() == node;
  const int index = model_->BaseImageIndex(*node) + (highlighted ? 1 : 0);
  catalogue_.SetImageIndex(node, index);
  catalogue_.SetSelectedIndex(node, index);
}

void TCatalogueTree::RefreshSelectedImages() {
  const std::vector<CatalogueNode*> selected(catalogue_.Selection().begin(), catalogue_.Selection().end());
  if (selected.empty()) return;
  // Many nodes at once (Ctrl+A in a long list) repaint once.
  const bool batch = selected.size() > 16;
  if (batch) catalogue_.BeginUpdate();
  for (CatalogueNode* node : selected) RefreshNodeImage(node);
  if (batch) catalogue_.EndUpdate();
}

void TCatalogueTree::SetAllExpanded(bool expanded) { catalogue_.SetAllExpanded(expanded); }

// ---------------------------------------------------------------- catalogue -> control

void TCatalogueTree::SyncFromCatalogue() {
  if (pushing_ || model_->InStructureChange()) return;
  {
    QScopedValueRollback guard(syncing_, true);
    CatalogueNode* focused = catalogue_.Focused();
    const QModelIndex current = IndexFromNode(focused);
    if (currentIndex() != current) {
      ExpandParents(focused);
      selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
      if (current.isValid()) scrollTo(current);
    }
    SyncSelectionFromCatalogue();
    SyncSortIndicator();
  }
  ReportSelectionCount();
}

void TCatalogueTree::SyncSelectionFromCatalogue() {
  const auto selection = catalogue_.Selection();
  QItemSelectionModel* model = selectionModel();
  const QModelIndexList rows = model->selectedRows(0);
  if (rows.size() == static_cast<qsizetype>(selection.size())) {
    QSet<const CatalogueNode*> shown;
    shown.reserve(rows.size());
    for (const QModelIndex& row : rows) shown.insert(NodeFromIndex(row));
    if (std::all_of(selection.begin(), selection.end(), [&](const CatalogueNode* n) { return shown.contains(n); }))
      return;
  }
  if (selection.empty()) {
    model->clearSelection();
    return;
  }
  // The nodes are siblings: runs of neighbouring rows make one range each.
  std::vector<int> numbers;
  numbers.reserve(selection.size());
  for (const CatalogueNode* n : selection) numbers.push_back(n->Row());
  std::sort(numbers.begin(), numbers.end());
  const QModelIndex parent = IndexFromNode(selection.front()->Parent());
  ExpandParents(selection.front());
  QItemSelection ranges;
  for (std::size_t i = 0; i < numbers.size();) {
    std::size_t j = i;
    while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
    ranges.append(QItemSelectionRange(model_->index(numbers[i], 0, parent),
                                      model_->index(numbers[j], kColumnCount - 1, parent)));
    i = j + 1;
  }
  model->select(ranges, QItemSelectionModel::ClearAndSelect);
}

void TCatalogueTree::SyncSortIndicator() {
  const SortMarks& marks = catalogue_.GetSortMarks();
  const auto marked = std::find_if(marks.begin(), marks.end(), [](SortMark m) { return m != SortMark::None; });
  if (marked == marks.end()) {
    header()->setSortIndicator(-1, Qt::AscendingOrder);
    return;
  }
  header()->setSortIndicator(static_cast<int>(marked - marks.begin()),
                             *marked == SortMark::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TCatalogueTree::ExpandParents(const CatalogueNode* node) {
  if (node == nullptr) return;
  std::vector<const CatalogueNode*> parents;
  for (const CatalogueNode* p = node->Parent(); p != nullptr; p = p->Parent()) parents.push_back(p);
  for (auto it = parents.rbegin(); it != parents.rend(); ++it) expand(IndexFromNode(*it));
}

void TCatalogueTree::SyncExpansion(const CatalogueNode* subtree) {
  if (syncingExpansion_ || model_->InStructureChange()) return;
  QScopedValueRollback guard(syncingExpansion_, true);
  std::vector<CatalogueNode*> differ;
  std::vector<CatalogueNode*> pending;
  if (subtree != nullptr)
    pending.push_back(const_cast<CatalogueNode*>(subtree));
  else
    pending.assign(catalogue_.Roots().begin(), catalogue_.Roots().end());
  while (!pending.empty()) {
    CatalogueNode* n = pending.back();
    pending.pop_back();
    if (n->ChildCount() == 0) continue;  // nothing to show expanded
    if (isExpanded(IndexFromNode(n)) != n->Expanded()) differ.push_back(n);
    for (CatalogueNode* child : n->Children())
      if (child->ChildCount() > 0) pending.push_back(child);
  }
  if (differ.empty()) return;
  // Many rows: lay the tree out once afterwards instead of after each row.
  if (differ.size() > 1) scheduleDelayedItemsLayout();
  {
    QScopedValueRollback applying(applyingExpansion_, true);
    for (CatalogueNode* n : differ) setExpanded(IndexFromNode(n), n->Expanded());
  }
  CatalogueBatch batch(catalogue_);
  for (CatalogueNode* n : differ) RefreshNodeImage(n);
}

void TCatalogueTree::SyncNodeExpansion(CatalogueNode* node) {
  if (node == nullptr || node->ChildCount() == 0 || syncingExpansion_ || model_->InStructureChange()) return;
  const QModelIndex index = IndexFromNode(node);
  if (isExpanded(index) == node->Expanded()) return;
  {
    QScopedValueRollback applying(applyingExpansion_, true);
    setExpanded(index, node->Expanded());
  }
  RefreshNodeImage(node);
}

void TCatalogueTree::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
  QTreeView::dataChanged(topLeft, bottomRight, roles);
  if (topLeft.row() == bottomRight.row() && topLeft.parent() == bottomRight.parent())
    SyncNodeExpansion(NodeFromIndex(topLeft));
}

void TCatalogueTree::rowsInserted(const QModelIndex& parent, int start, int end) {
  QTreeView::rowsInserted(parent, start, end);
  // A moved subtree keeps its expanded flags, and a parent that had no
  // rows may be flagged expanded already: both are shown once the
  // insertion is over.
  CatalogueNode* parentNode = NodeFromIndex(parent);
  if (parentNode != nullptr) pendingExpansion_.push_back(parentNode);
  const auto rows = catalogue_.ChildrenOf(parentNode);
  for (int row = start; row <= end && static_cast<std::size_t>(row) < rows.size(); ++row)
    if (rows[static_cast<std::size_t>(row)]->ChildCount() > 0) pendingExpansion_.push_back(rows[static_cast<std::size_t>(row)]);
}

void TCatalogueTree::OnStructureChanged() {
  std::vector<CatalogueNode*> pending;
  pending.swap(pendingExpansion_);
  if (std::exchange(pendingFullExpansion_, false)) {
    SyncExpansion(nullptr);
  } else {
    for (CatalogueNode* node : pending) SyncExpansion(node);
  }
  SyncFromCatalogue();
}

// ---------------------------------------------------------------- control -> catalogue

void TCatalogueTree::OnExpansionChanged(const QModelIndex& index, bool expanded) {
  CatalogueNode* node = NodeFromIndex(index);
  if (node == nullptr || applyingExpansion_) return;
  catalogue_.SetExpanded(node, expanded);
  RefreshNodeImage(node);
}

void TCatalogueTree::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTreeView::currentChanged(current, previous);
  if (model_->InStructureChange()) return;  // Qt moving the row of a removed node
  CatalogueNode* node = NodeFromIndex(current);
  if (!syncing_) {
    QScopedValueRollback guard(pushing_, true);
    catalogue_.SetFocused(node);
  }
  RefreshNodeImage(node);
}

void TCatalogueTree::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  QTreeView::selectionChanged(selected, deselected);
  if (syncing_ || model_->InStructureChange()) return;
  {
    QScopedValueRollback guard(pushing_, true);
    CatalogueBatch batch(catalogue_);
    for (const QItemSelectionRange& range : deselected)
      for (int row = range.top(); row <= range.bottom(); ++row)
        catalogue_.Deselect(NodeFromIndex(model_->index(row, 0, range.parent())));
    for (const QItemSelectionRange& range : selected)
      for (int row = range.top(); row <= range.bottom(); ++row)
        catalogue_.Select(NodeFromIndex(model_->index(row, 0, range.parent())));
  }
  // The catalogue may have refused a node; the control shows what it kept.
  {
    QScopedValueRollback guard(syncing_, true);
    SyncSelectionFromCatalogue();
  }
  ReportSelectionCount();
}

void TCatalogueTree::ReportSelectionCount() {
  const int count = catalogue_.SelectedCount();
  if (count == reportedCount_) return;
  reportedCount_ = count;
  emit selectedCountChanged(count, ShiftOrCtrlHeld());
  RefreshSelectedImages();
}

bool TCatalogueTree::ShiftOrCtrlHeld() const {
  const Qt::KeyboardModifiers held = inputModifiers_ | QGuiApplication::keyboardModifiers();
  return held.testAnyFlags(Qt::ShiftModifier | Qt::ControlModifier);
}

void TCatalogueTree::OnHeaderClicked(int column) {
  if (column < 0 || column >= kColumnCount) return;
  const SortMark next =
      catalogue_.GetSortMark(column) == SortMark::Ascending ? SortMark::Descending : SortMark::Ascending;
  const bool keepOthers = (headerModifiers_ | QGuiApplication::keyboardModifiers()).testFlag(Qt::ShiftModifier);
  catalogue_.SetSortMark(column, next, keepOthers);
  SyncSortIndicator();  // the header flipped its own indicator on the click
}

QString TCatalogueTree::HeaderHintAt(const QPoint& headerPos) const {
  const int column = header()->logicalIndexAt(headerPos);
  return column < 0 ? QString() : CatalogueModel::HeaderHint(column);
}

// ---------------------------------------------------------------- tree lines

// Dotted lines in the grey-text colour join each node to its parent's
// line, with a boxed plus or minus on nodes that have children.
void TCatalogueTree::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
  const CatalogueNode* node = NodeFromIndex(index);
  const int indent = indentation();
  if (node == nullptr || indent <= 0 || rect.width() < indent) return;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  const QColor line = palette().color(QPalette::Disabled, QPalette::Text);
  const int parity = verticalOffset() & 1;
  auto dotsDown = [&](int x, int top, int bottom) {
    for (int y = top; y <= bottom; ++y)
      if (((y + parity) & 1) == 0) painter->fillRect(x, y, 1, 1, line);
  };
  auto dotsAcross = [&](int left, int right, int y) {
    for (int x = left; x <= right; ++x)
      if (((x + y + parity) & 1) == 0) painter->fillRect(x, y, 1, 1, line);
  };

  const QRect own(rect.right() + 1 - indent, rect.top(), indent, rect.height());
  const int cx = own.left() + indent / 2;
  const int cy = own.top() + own.height() / 2;
  const bool first = node->Parent() == nullptr && node->Row() == 0;
  dotsDown(cx, first ? cy : own.top(), HasNextSibling(catalogue_, *node) ? own.bottom() : cy);
  dotsAcross(cx + 1, own.right() - 2, cy);

  int x = own.left() - indent;
  for (const CatalogueNode* p = node->Parent(); p != nullptr && x + indent > rect.left(); p = p->Parent(), x -= indent)
    if (HasNextSibling(catalogue_, *p)) dotsDown(x + indent / 2, own.top(), own.bottom());

  if (node->ChildCount() > 0 && itemsExpandable()) {
    const QRect box(cx - 4, cy - 4, 8, 8);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, palette().color(QPalette::Base));
    fill.setColorAt(1, palette().color(QPalette::Button));
    painter->setPen(palette().color(QPalette::Mid));
    painter->setBrush(fill);
    painter->drawRect(box);
    painter->setPen(palette().color(QPalette::Text));
    painter->drawLine(cx - 2, cy, cx + 2, cy);
    if (!isExpanded(index)) painter->drawLine(cx, cy - 2, cx, cy + 2);
  }
  painter->restore();
}

}  // namespace lrv
