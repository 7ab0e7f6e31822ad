#include "catalogue/catalogue.h"

#include <algorithm>

#include "catalogue/catalogue_rules.h"

namespace lrv {

CatalogueNode* CatalogueNode::Child(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= children_.size()) return nullptr;
  return children_[static_cast<std::size_t>(index)];
}

const std::string& CatalogueNode::Value(int column) const {
  static const std::string kEmpty;
  if (column < 0 || static_cast<std::size_t>(column) >= values_.size()) return kEmpty;
  return values_[static_cast<std::size_t>(column)];
}

// ---------------------------------------------------------------- lifetime

Catalogue::Catalogue() : root_(nullptr) {
  root_ = new CatalogueNode();
  root_->level_ = -1;
}

Catalogue::~Catalogue() { FreeSubtree(root_); }

Catalogue::Catalogue(Catalogue&& other)
    : root_(other.root_),
      focused_(other.focused_),
      selection_(std::move(other.selection_)),
      sortMarks_(other.sortMarks_) {
  other.root_ = new CatalogueNode();
  other.root_->level_ = -1;
  other.focused_ = nullptr;
  other.selection_.clear();
}

// Deep trees (a file may nest hundreds of thousands of levels) are freed
// with an explicit stack, never by recursion.
void Catalogue::FreeSubtree(CatalogueNode* node) {
  if (node == nullptr) return;
  std::vector<CatalogueNode*> pending{node};
  while (!pending.empty()) {
    CatalogueNode* n = pending.back();
    pending.pop_back();
    pending.insert(pending.end(), n->children_.begin(), n->children_.end());
    delete n;
  }
}

// Room for one more child without reallocating inside a notification;
// grows geometrically like push_back.
static void ReserveOneMore(std::vector<CatalogueNode*>& children) {
  if (children.size() == children.capacity()) children.reserve(std::max<std::size_t>(4, children.capacity() * 2));
}

void Catalogue::Renumber(CatalogueNode* parent, std::size_t from) {
  auto& kids = parent->children_;
  for (std::size_t i = from; i < kids.size(); ++i) kids[i]->row_ = static_cast<std::int32_t>(i);
}

// ---------------------------------------------------------------- structure

std::span<CatalogueNode* const> Catalogue::ChildrenOf(const CatalogueNode* parent) const {
  return parent != nullptr ? parent->Children() : Roots();
}

CatalogueNode* Catalogue::Attach(CatalogueNode* parent, CatalogueNode* child) {
  child->parent_ = parent;
  child->row_ = static_cast<std::int32_t>(parent->children_.size());
  child->level_ = parent->level_ + 1;
  parent->children_.push_back(child);
  return child;
}

CatalogueNode* Catalogue::AddRoot() { return AddChild(nullptr); }

CatalogueNode* Catalogue::AddChild(CatalogueNode* parent) {
  CatalogueNode* holder = parent != nullptr ? parent : root_;
  const int row = holder->ChildCount();
  ReserveOneMore(holder->children_);
  CatalogueNode* node = new CatalogueNode();
  BeginStructureChange(parent, row, row, true);
  Attach(holder, node);
  EndStructureChange(true);
  return node;
}

// Drops focus and selection that lie inside a subtree about to go. The
// selection holds siblings only, so one ancestor walk decides for all.
void Catalogue::ForgetViewStateIn(CatalogueNode* subtree) {
  auto inSubtree = [subtree](const CatalogueNode* n) {
    for (; n != nullptr; n = n->parent_)
      if (n == subtree) return true;
    return false;
  };
  bool changed = false;
  if (focused_ != nullptr && inSubtree(focused_)) {
    focused_ = nullptr;
    changed = true;
  }
  if (!selection_.empty()) {
    if (inSubtree(selection_.front()->parent_)) {
      for (CatalogueNode* n : selection_) n->selected_ = false;
      selection_.clear();
      changed = true;
    } else if (subtree->selected_) {
      subtree->selected_ = false;
      selection_.erase(std::find(selection_.begin(), selection_.end(), subtree));
      changed = true;
    }
  }
  if (changed) ViewStateChanged();
}

void Catalogue::DeleteNode(CatalogueNode* node) {
  if (node == nullptr || node == root_) return;
  CatalogueNode* holder = node->parent_;
  const auto row = static_cast<std::size_t>(node->row_);
  ForgetViewStateIn(node);
  BeginStructureChange(node->Parent(), node->row_, node->row_, false);
  holder->children_.erase(holder->children_.begin() + static_cast<std::ptrdiff_t>(row));
  Renumber(holder, row);
  node->parent_ = nullptr;
  FreeSubtree(node);
  EndStructureChange(false);
}

void Catalogue::Clear() {
  if (Empty() && focused_ == nullptr && selection_.empty()) return;
  BeginWholeChange();
  std::vector<CatalogueNode*> roots;
  roots.swap(root_->children_);
  for (CatalogueNode* n : roots) FreeSubtree(n);
  focused_ = nullptr;
  selection_.clear();
  EndWholeChange();
  ViewStateChanged();
}

bool Catalogue::MoveNode(CatalogueNode* node, CatalogueNode* newParent) {
  if (node == nullptr || node == root_) return false;
  CatalogueNode* target = newParent != nullptr ? newParent : root_;
  for (const CatalogueNode* n = target; n != nullptr; n = n->parent_)
    if (n == node) return false;

  CatalogueNode* holder = node->parent_;
  const auto row = static_cast<std::size_t>(node->row_);
  ReserveOneMore(target->children_);
  BeginStructureChange(node->Parent(), node->row_, node->row_, false);
  holder->children_.erase(holder->children_.begin() + static_cast<std::ptrdiff_t>(row));
  Renumber(holder, row);
  EndStructureChange(false);

  const int newRow = target->ChildCount();
  BeginStructureChange(newParent, newRow, newRow, true);
  const std::int32_t delta = target->level_ + 1 - node->level_;
  Attach(target, node);
  if (delta != 0) {
    std::vector<CatalogueNode*> pending(node->children_.begin(), node->children_.end());
    while (!pending.empty()) {
      CatalogueNode* n = pending.back();
      pending.pop_back();
      n->level_ += delta;
      pending.insert(pending.end(), n->children_.begin(), n->children_.end());
    }
  }
  EndStructureChange(true);
  KeepSelectionSiblings();
  return true;
}

void Catalogue::SwapContent(Catalogue& other) {
  std::swap(root_, other.root_);
  std::swap(focused_, other.focused_);
  selection_.swap(other.selection_);
}

void Catalogue::ReplaceWith(Catalogue&& other) {
  if (&other == this) return;
  BeginWholeChange();
  other.BeginWholeChange();
  SwapContent(other);
  // `other` now holds the old tree: free it here so it is gone on return.
  std::vector<CatalogueNode*> old;
  old.swap(other.root_->children_);
  for (CatalogueNode* n : old) FreeSubtree(n);
  other.focused_ = nullptr;
  other.selection_.clear();
  other.EndWholeChange();
  EndWholeChange();
  ViewStateChanged();
}

// ---------------------------------------------------------------- node data

void Catalogue::SetValue(CatalogueNode* node, int column, std::string_view text) {
  if (node == nullptr || node == root_ || column < 0) return;
  auto& values = node->values_;
  if (static_cast<std::size_t>(column) >= values.size()) values.resize(static_cast<std::size_t>(column) + 1);
  values[static_cast<std::size_t>(column)].assign(text);
  NodeChanged(node);
}

void Catalogue::SetValues(CatalogueNode* node, std::vector<std::string> values) {
  if (node == nullptr || node == root_) return;
  node->values_ = std::move(values);
  NodeChanged(node);
}

void Catalogue::SetImageIndex(CatalogueNode* node, std::int32_t index) {
  if (node == nullptr || node == root_ || node->image_ == index) return;
  node->image_ = index;
  NodeChanged(node);
}

void Catalogue::SetSelectedIndex(CatalogueNode* node, std::int32_t index) {
  if (node == nullptr || node == root_ || node->selectedImage_ == index) return;
  node->selectedImage_ = index;
  NodeChanged(node);
}

void Catalogue::SetStateIndex(CatalogueNode* node, std::int32_t index) {
  if (node == nullptr || node == root_ || node->stateIndex_ == index) return;
  node->stateIndex_ = index;
  NodeChanged(node);
}

void Catalogue::SetData(CatalogueNode* node, std::int32_t data) {
  if (node == nullptr || node == root_ || node->data_ == data) return;
  node->data_ = data;
  NodeChanged(node);
}

// ---------------------------------------------------------------- view state

void Catalogue::SetExpanded(CatalogueNode* node, bool expanded) {
  if (node == nullptr || node == root_ || node->expanded_ == expanded) return;
  node->expanded_ = expanded;
  NodeChanged(node);
}

void Catalogue::SetAllExpanded(bool expanded) {
  CatalogueBatch batch(*this);
  std::vector<CatalogueNode*> pending(root_->children_.begin(), root_->children_.end());
  while (!pending.empty()) {
    CatalogueNode* n = pending.back();
    pending.pop_back();
    SetExpanded(n, expanded);
    pending.insert(pending.end(), n->children_.begin(), n->children_.end());
  }
}

void Catalogue::SetFocused(CatalogueNode* node) {
  if (node == root_ || node == focused_) return;
  focused_ = node;
  ViewStateChanged();
}

void Catalogue::Select(CatalogueNode* node) {
  if (node == nullptr || node == root_ || node->selected_) return;
  if (!selection_.empty() && selection_.front()->parent_ != node->parent_) {
    for (CatalogueNode* n : selection_) n->selected_ = false;
    selection_.clear();
  }
  node->selected_ = true;
  selection_.push_back(node);
  ViewStateChanged();
}

void Catalogue::SelectOnly(CatalogueNode* node) {
  if (node != nullptr && selection_.size() == 1 && selection_.front() == node) return;
  for (CatalogueNode* n : selection_) n->selected_ = false;
  const bool hadSelection = !selection_.empty();
  selection_.clear();
  if (node == nullptr || node == root_) {
    if (hadSelection) ViewStateChanged();
    return;
  }
  node->selected_ = true;
  selection_.push_back(node);
  ViewStateChanged();
}

void Catalogue::Deselect(CatalogueNode* node) {
  if (node == nullptr || !node->selected_) return;
  node->selected_ = false;
  selection_.erase(std::find(selection_.begin(), selection_.end(), node));
  ViewStateChanged();
}

void Catalogue::ClearSelection() {
  if (selection_.empty()) return;
  for (CatalogueNode* n : selection_) n->selected_ = false;
  selection_.clear();
  ViewStateChanged();
}

CatalogueNode* Catalogue::SelectedNode(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= selection_.size()) return nullptr;
  return selection_[static_cast<std::size_t>(index)];
}

void Catalogue::KeepSelectionSiblings() {
  if (selection_.empty()) return;
  const CatalogueNode* parent = selection_.front()->parent_;
  const auto firstOther = std::stable_partition(selection_.begin(), selection_.end(),
                                                [parent](const CatalogueNode* n) { return n->parent_ == parent; });
  if (firstOther == selection_.end()) return;
  for (auto it = firstOther; it != selection_.end(); ++it) (*it)->selected_ = false;
  selection_.erase(firstOther, selection_.end());
  ViewStateChanged();
}

SortMark Catalogue::GetSortMark(int column) const {
  if (column < 0 || column >= kColumnCount) return SortMark::None;
  return sortMarks_[static_cast<std::size_t>(column)];
}

void Catalogue::SetSortMark(int column, SortMark mark, bool keepOthers) {
  if (column < 0 || column >= kColumnCount) return;
  if (!keepOthers) sortMarks_.fill(SortMark::None);
  sortMarks_[static_cast<std::size_t>(column)] = mark;
  ViewStateChanged();
  Sort();
}

void Catalogue::SetSortMarks(const SortMarks& marks) {
  sortMarks_ = marks;
  ViewStateChanged();
  Sort();
}

void Catalogue::Sort() {
  if (std::all_of(sortMarks_.begin(), sortMarks_.end(), [](SortMark m) { return m == SortMark::None; })) return;
  if (batchDepth_ > 0) {
    if (batchChange_ == BatchChange::None) {
      Notify([](CatalogueObserver* o) { o->OnBeginLayoutChange(); });
      batchChange_ = BatchChange::Layout;
    }
    SortNodes();
    return;
  }
  Notify([](CatalogueObserver* o) { o->OnBeginLayoutChange(); });
  SortNodes();
  Notify([](CatalogueObserver* o) { o->OnEndLayoutChange(); });
}

void Catalogue::SortNodes() {
  const SortMarks marks = sortMarks_;
  auto before = [&marks](const CatalogueNode* a, const CatalogueNode* b) { return tlMainCompare(marks, *a, *b) < 0; };
  std::vector<CatalogueNode*> pending{root_};
  while (!pending.empty()) {
    CatalogueNode* n = pending.back();
    pending.pop_back();
    if (n->children_.size() > 1) {
      // A merge sort: stable, and safe whatever the comparison returns.
      std::stable_sort(n->children_.begin(), n->children_.end(), before);
      Renumber(n, 0);
    }
    for (CatalogueNode* child : n->children_)
      if (!child->children_.empty()) pending.push_back(child);
  }
}

// ---------------------------------------------------------------- notifications

void Catalogue::AddObserver(CatalogueObserver* observer) {
  if (observer != nullptr && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void Catalogue::RemoveObserver(CatalogueObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

template <class F>
void Catalogue::Notify(F&& f) {
  for (std::size_t i = 0; i < observers_.size(); ++i) f(observers_[i]);
}

void Catalogue::BeginUpdate() { ++batchDepth_; }

void Catalogue::EndUpdate() {
  if (batchDepth_ == 0) return;
  if (--batchDepth_ > 0) return;
  const BatchChange change = batchChange_;
  const bool values = batchValues_;
  const bool viewState = batchViewState_;
  batchChange_ = BatchChange::None;
  batchValues_ = false;
  batchViewState_ = false;
  if (change == BatchChange::Reset) Notify([](CatalogueObserver* o) { o->OnEndReset(); });
  if (change == BatchChange::Layout) Notify([](CatalogueObserver* o) { o->OnEndLayoutChange(); });
  if (values && change != BatchChange::Reset) Notify([](CatalogueObserver* o) { o->OnAllNodesChanged(); });
  if (viewState) Notify([](CatalogueObserver* o) { o->OnViewStateChanged(); });
}

// Inside a batch every structural change becomes one reset, begun before
// the first change. A layout change already begun is closed first: the
// tree is still consistent at that moment.
void Catalogue::BeginWholeChange() {
  if (batchDepth_ == 0) {
    Notify([](CatalogueObserver* o) { o->OnBeginReset(); });
    return;
  }
  if (batchChange_ == BatchChange::Reset) return;
  if (batchChange_ == BatchChange::Layout) Notify([](CatalogueObserver* o) { o->OnEndLayoutChange(); });
  Notify([](CatalogueObserver* o) { o->OnBeginReset(); });
  batchChange_ = BatchChange::Reset;
}

void Catalogue::EndWholeChange() {
  if (batchDepth_ == 0) Notify([](CatalogueObserver* o) { o->OnEndReset(); });
}

void Catalogue::BeginStructureChange(const CatalogueNode* parent, int first, int last, bool insert) {
  if (batchDepth_ > 0) {
    BeginWholeChange();
    return;
  }
  if (insert)
    Notify([&](CatalogueObserver* o) { o->OnBeginInsertNodes(parent, first, last); });
  else
    Notify([&](CatalogueObserver* o) { o->OnBeginRemoveNodes(parent, first, last); });
}

void Catalogue::EndStructureChange(bool insert) {
  if (batchDepth_ > 0) return;
  if (insert)
    Notify([](CatalogueObserver* o) { o->OnEndInsertNodes(); });
  else
    Notify([](CatalogueObserver* o) { o->OnEndRemoveNodes(); });
}

void Catalogue::NodeChanged(const CatalogueNode* node) {
  if (observers_.empty()) return;
  if (batchDepth_ > 0) {
    batchValues_ = true;
    return;
  }
  Notify([node](CatalogueObserver* o) { o->OnNodeChanged(node); });
}

void Catalogue::ViewStateChanged() {
  if (batchDepth_ > 0) {
    batchViewState_ = true;
    return;
  }
  Notify([](CatalogueObserver* o) { o->OnViewStateChanged(); });
}

}  // namespace lrv
