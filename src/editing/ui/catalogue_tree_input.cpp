// Keys, mouse, hot tracking and drag and drop of the catalogue tree.

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <utility>

#include "catalogue/columns.h"
#include "editing/ui/catalogue_model.h"
#include "editing/ui/catalogue_tree.h"
#include "editing/ui/tree_images.h"

namespace lrv {

// ---------------------------------------------------------------- keys and mouse

namespace {
// Keeps the modifiers of the input event being handled, so the selection
// count knows them even when the platform's key state lags behind.
class ModifierScope {
 public:
  ModifierScope(Qt::KeyboardModifiers& slot, Qt::KeyboardModifiers now) : slot_(slot), old_(slot) { slot_ = now; }
  ~ModifierScope() { slot_ = old_; }
  ModifierScope(const ModifierScope&) = delete;
  ModifierScope& operator=(const ModifierScope&) = delete;

 private:
  Qt::KeyboardModifiers& slot_;
  Qt::KeyboardModifiers old_;
};
}  // namespace

void TCatalogueTree::keyPressEvent(QKeyEvent* event) {
  ModifierScope scope(inputModifiers_, event->modifiers());
  const bool ctrlOrShift = event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::ShiftModifier);
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!ctrlOrShift) emit openRequested();
      event->accept();
      return;
    case Qt::Key_F2:
      emit renameRequested();
      event->accept();
      return;
    case Qt::Key_Menu:
      menuKeyPressed_ = true;
      emit contextMenuRequestedAtPanel();
      event->accept();
      return;
    case Qt::Key_F10:
      if (event->modifiers().testFlag(Qt::ShiftModifier)) {
        emit contextMenuRequestedAtPanel();
        event->accept();
        return;
      }
      break;
    default:
      break;
  }
  menuKeyPressed_ = false;
  QTreeView::keyPressEvent(event);
}

void TCatalogueTree::contextMenuEvent(QContextMenuEvent* event) {
  // The mouse menu opened on the button press already; a keyboard one
  // opened on the key unless the platform reports only this event.
  event->accept();
  if (event->reason() == QContextMenuEvent::Keyboard && !std::exchange(menuKeyPressed_, false))
    emit contextMenuRequestedAtPanel();
}

void TCatalogueTree::mousePressEvent(QMouseEvent* event) {
  ModifierScope scope(inputModifiers_, event->modifiers());
  QTreeView::mousePressEvent(event);
  if (event->button() == Qt::RightButton) emit contextMenuRequested(event->globalPosition().toPoint());
}

void TCatalogueTree::mouseReleaseEvent(QMouseEvent* event) {
  ModifierScope scope(inputModifiers_, event->modifiers());
  QTreeView::mouseReleaseEvent(event);
}

void TCatalogueTree::mouseDoubleClickEvent(QMouseEvent* event) {
  ModifierScope scope(inputModifiers_, event->modifiers());
  QTreeView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid()) emit openRequested();
}

void TCatalogueTree::mouseMoveEvent(QMouseEvent* event) {
  ModifierScope scope(inputModifiers_, event->modifiers());
  QTreeView::mouseMoveEvent(event);
  UpdateHotTracking(event->position().toPoint());
}

bool TCatalogueTree::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) {
    model_->SetHotTracked(nullptr);
    viewport()->unsetCursor();
  }
  return QTreeView::viewportEvent(event);
}

void TCatalogueTree::scrollContentsBy(int dx, int dy) {
  QTreeView::scrollContentsBy(dx, dy);
  if (viewport()->underMouse()) UpdateHotTracking(viewport()->mapFromGlobal(QCursor::pos()));
}

// The node under the mouse is drawn highlighted; over an article's title
// the pointer becomes a hand, as over a link.
void TCatalogueTree::UpdateHotTracking(const QPoint& viewportPos) {
  const QModelIndex index = indexAt(viewportPos);
  const CatalogueNode* node = NodeFromIndex(index);
  model_->SetHotTracked(node);
  if (node != nullptr && model_->IsArticleRow(*node) && index.column() == ColTitle)
    viewport()->setCursor(Qt::PointingHandCursor);
  else
    viewport()->unsetCursor();
}

bool TCatalogueTree::eventFilter(QObject* watched, QEvent* event) {
  if (watched == header()->viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease))
    headerModifiers_ = static_cast<QMouseEvent*>(event)->modifiers();
  return QTreeView::eventFilter(watched, event);
}

// ---------------------------------------------------------------- drag and drop

QMimeData* TCatalogueTree::CreateDragData() const {
  auto* data = new QMimeData();
  data->setData(QString::fromLatin1(CatalogueModel::kNodesMimeType),
                QByteArray::number(reinterpret_cast<quintptr>(this)));
  return data;
}

bool TCatalogueTree::FromThisTree(const QMimeData* data) const {
  return data != nullptr &&
         data->data(QString::fromLatin1(CatalogueModel::kNodesMimeType)) ==
             QByteArray::number(reinterpret_cast<quintptr>(this));
}

void TCatalogueTree::startDrag(Qt::DropActions /*supportedActions*/) {
  const QList<CatalogueNode*> nodes(catalogue_.Selection().begin(), catalogue_.Selection().end());
  if (nodes.isEmpty()) return;
  emit dragStarted(nodes);
  auto* drag = new QDrag(this);
  drag->setMimeData(CreateDragData());
  drag->setPixmap(model_->Images().Pixmap(model_->ImageIndexOf(*nodes.front())));
  // The drop handler moves the nodes itself; nothing is removed here.
  drag->exec(Qt::MoveAction, Qt::MoveAction);
}

void TCatalogueTree::dragEnterEvent(QDragEnterEvent* event) {
  QTreeView::dragEnterEvent(event);  // drag state, auto-scroll
  if (FromThisTree(event->mimeData())) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void TCatalogueTree::dragMoveEvent(QDragMoveEvent* event) {
  QTreeView::dragMoveEvent(event);  // auto-scroll near the edges, auto-expand on hover
  CatalogueNode* target = NodeAt(event->position().toPoint());
  const bool accept = FromThisTree(event->mimeData()) && target != nullptr && (!dropFilter_ || dropFilter_(target));
  if (accept) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void TCatalogueTree::dropEvent(QDropEvent* event) {
  stopAutoScroll();
  setState(QAbstractItemView::NoState);
  viewport()->update();
  CatalogueNode* target = NodeAt(event->position().toPoint());
  if (!FromThisTree(event->mimeData()) || target == nullptr) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::MoveAction);
  event->accept();
  emit nodesDropped(target);
}

}  // namespace lrv
