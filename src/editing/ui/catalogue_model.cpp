#include "editing/ui/catalogue_model.h"

#include <QGuiApplication>
#include <QMimeData>

#include "catalogue/catalogue_rules.h"
#include "catalogue/columns.h"
#include "editing/ui/tree_images.h"
#include "platform/qt/qt_text.h"

namespace lrv {

CatalogueModel::CatalogueModel(Catalogue& catalogue, Rows rows, QObject* parent)
    : QAbstractItemModel(parent), catalogue_(catalogue), rows_(rows) {
  catalogue_.AddObserver(this);
}

CatalogueModel::~CatalogueModel() { catalogue_.RemoveObserver(this); }

// ---------------------------------------------------------------- nodes and indexes

CatalogueNode* CatalogueModel::NodeFromIndex(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != this) return nullptr;
  return static_cast<CatalogueNode*>(index.internalPointer());
}

QModelIndex CatalogueModel::IndexFromNode(const CatalogueNode* node, int column) const {
  if (node == nullptr || column < 0 || column >= kColumnCount) return {};
  return createIndex(node->Row(), column, const_cast<CatalogueNode*>(node));
}

bool CatalogueModel::IsArticleRow(const CatalogueNode& node) const {
  return rows_ == Rows::FlatArticleList || node.IsArticle();
}

// ---------------------------------------------------------------- pictures and colours

void CatalogueModel::SetHotTracked(const CatalogueNode* node) {
  if (node == hot_) return;
  const CatalogueNode* old = hot_;
  hot_ = node;
  if (old != nullptr) EmitRowChanged(old, ColTitle, ColTitle);
  if (hot_ != nullptr) EmitRowChanged(hot_, ColTitle, ColTitle);
}

int CatalogueModel::BaseImageIndex(const CatalogueNode& node) const {
  if (rows_ == Rows::Tree) return NodeImageIndex(node);
  // The result list holds copies of articles, whatever their depth: the
  // article pictures of the catalogue by the state text.
  switch (ArticleStateOf(node.Value(ColState))) {
    case ArticleState::Favourite: return 8;
    case ArticleState::New: return 6;
    case ArticleState::Read: return 10;
    case ArticleState::NotRead: break;
  }
  return 4;
}

int CatalogueModel::ImageIndexOf(const CatalogueNode& node) const {
  const bool highlighted = node.IsSelected() || catalogue_.Focused() == &node || hot_ == &node;
  return BaseImageIndex(node) + (highlighted ? 1 : 0);
}

const TreeImages& CatalogueModel::Images() const {
  if (!images_) images_ = std::make_unique<TreeImages>(qApp != nullptr ? qApp->devicePixelRatio() : 1.0);
  return *images_;
}

void CatalogueModel::SetColours(const QColor& countText, const QColor& hotTitle) {
  if (countText == countText_ && hotTitle == hotTitle_) return;
  countText_ = countText;
  hotTitle_ = hotTitle;
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1), {Qt::ForegroundRole});
}

QString CatalogueModel::HeaderHint(int column) {
  return column == ColTitle ? QStringLiteral("Названия категорий и статей") : QStringLiteral("Количество вложений");
}

// ---------------------------------------------------------------- QAbstractItemModel

QModelIndex CatalogueModel::index(int row, int column, const QModelIndex& parent) const {
  if (row < 0 || column < 0 || column >= kColumnCount) return {};
  if (parent.isValid() && parent.column() != 0) return {};
  const auto children = catalogue_.ChildrenOf(NodeFromIndex(parent));
  if (static_cast<std::size_t>(row) >= children.size()) return {};
  return createIndex(row, column, children[static_cast<std::size_t>(row)]);
}

QModelIndex CatalogueModel::parent(const QModelIndex& child) const {
  const CatalogueNode* node = NodeFromIndex(child);
  if (node == nullptr) return {};
  return IndexFromNode(node->Parent());
}

int CatalogueModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() && parent.column() != 0) return 0;
  return static_cast<int>(catalogue_.ChildrenOf(NodeFromIndex(parent)).size());
}

int CatalogueModel::columnCount(const QModelIndex& /*parent*/) const { return kColumnCount; }

bool CatalogueModel::hasChildren(const QModelIndex& parent) const { return rowCount(parent) > 0; }

QVariant CatalogueModel::data(const QModelIndex& index, int role) const {
  const CatalogueNode* node = NodeFromIndex(index);
  if (node == nullptr) return {};
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return FromAnsi(node->Value(column));
    case Qt::DecorationRole:
      if (column == ColTitle) return Images().Pixmap(ImageIndexOf(*node));
      break;
    case Qt::TextAlignmentRole:
      if (column == ColCount) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
      return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::ForegroundRole:
      if (column == ColCount && countText_.isValid()) return countText_;
      if (column == ColTitle && node == hot_ && IsArticleRow(*node) && hotTitle_.isValid()) return hotTitle_;
      break;
    default:
      break;
  }
  return {};
}

QVariant CatalogueModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
  switch (role) {
    case Qt::DisplayRole: return QString::fromUtf8(ColumnCaption(section));
    case Qt::ToolTipRole: return HeaderHint(section);
    case Qt::TextAlignmentRole:
      if (section == ColCount) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
      return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default: return {};
  }
}

Qt::ItemFlags CatalogueModel::flags(const QModelIndex& index) const {
  if (NodeFromIndex(index) == nullptr) return Qt::NoItemFlags;
  // Read-only everywhere: titles are renamed by a command, never in place.
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList CatalogueModel::mimeTypes() const { return {QString::fromLatin1(kNodesMimeType)}; }

// Nodes are dragged only inside their own tree, which knows its selection:
// the data names the rows for anyone curious but carries no node handles.
QMimeData* CatalogueModel::mimeData(const QModelIndexList& indexes) const {
  QStringList titles;
  for (const QModelIndex& i : indexes)
    if (i.column() == ColTitle)
      if (const CatalogueNode* node = NodeFromIndex(i)) titles << FromAnsi(node->Title());
  auto* data = new QMimeData();
  data->setData(QString::fromLatin1(kNodesMimeType), QByteArray());
  data->setText(titles.join(QLatin1Char('\n')));
  return data;
}

Qt::DropActions CatalogueModel::supportedDropActions() const { return Qt::MoveAction; }
Qt::DropActions CatalogueModel::supportedDragActions() const { return Qt::MoveAction; }

// ---------------------------------------------------------------- catalogue changes

void CatalogueModel::EmitRowChanged(const CatalogueNode* node, int firstColumn, int lastColumn) {
  emit dataChanged(IndexFromNode(node, firstColumn), IndexFromNode(node, lastColumn));
}

template <class F>
void CatalogueModel::EndStructureChange(F&& end) {
  end();
  changing_ = false;
  emit structureChanged();
}

void CatalogueModel::OnBeginReset() {
  hot_ = nullptr;  // may be freed by the change
  changing_ = true;
  beginResetModel();
}

void CatalogueModel::OnEndReset() { EndStructureChange([this] { endResetModel(); }); }

void CatalogueModel::OnBeginInsertNodes(const CatalogueNode* parent, int first, int last) {
  changing_ = true;
  beginInsertRows(IndexFromNode(parent), first, last);
}

void CatalogueModel::OnEndInsertNodes() { EndStructureChange([this] { endInsertRows(); }); }

void CatalogueModel::OnBeginRemoveNodes(const CatalogueNode* parent, int first, int last) {
  // The hot-tracked node goes when it lies in one of the removed subtrees.
  for (const CatalogueNode* n = hot_; n != nullptr; n = n->Parent())
    if (n->Parent() == parent && n->Row() >= first && n->Row() <= last) {
      hot_ = nullptr;
      break;
    }
  changing_ = true;
  beginRemoveRows(IndexFromNode(parent), first, last);
}

void CatalogueModel::OnEndRemoveNodes() { EndStructureChange([this] { endRemoveRows(); }); }

// A re-sort keeps every node; only rows change. The view's persistent
// indexes (current, selection, expanded nodes) follow their nodes.
void CatalogueModel::OnBeginLayoutChange() {
  changing_ = true;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  layoutOld_ = persistentIndexList();
  layoutNodes_.clear();
  layoutNodes_.reserve(static_cast<std::size_t>(layoutOld_.size()));
  for (const QModelIndex& i : layoutOld_) layoutNodes_.emplace_back(NodeFromIndex(i), i.column());
}

void CatalogueModel::OnEndLayoutChange() {
  QModelIndexList fresh;
  fresh.reserve(layoutOld_.size());
  for (const auto& [node, column] : layoutNodes_) fresh.append(IndexFromNode(node, column));
  changePersistentIndexList(layoutOld_, fresh);
  layoutOld_.clear();
  layoutNodes_.clear();
  EndStructureChange([this] { emit layoutChanged({}, QAbstractItemModel::VerticalSortHint); });
}

void CatalogueModel::OnNodeChanged(const CatalogueNode* node) { EmitRowChanged(node, 0, kColumnCount - 1); }

void CatalogueModel::OnAllNodesChanged() {
  // dataChanged covers one parent's rows; the top rows make every view
  // repaint, and allNodesChanged tells a tree to look at expanded flags.
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
  emit allNodesChanged();
}

void CatalogueModel::OnViewStateChanged() { emit viewStateChanged(); }

}  // namespace lrv
