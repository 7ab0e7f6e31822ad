#pragma once
// The catalogue: a tree of categories (level 0), subcategories (level 1) and
// articles (level 2). A tree file may hold deeper nodes; they are kept and
// saved again but no walk of the program visits them.
//
// The Catalogue owns its nodes and also the view state that the editing
// commands work with: expanded flags, the focused node, the selection list
// (siblings only) and the sort marks of the columns. A window shows it
// through an adapter that implements CatalogueObserver; node pointers are
// stable handles for the adapter (parent and row in O(1)).
//
// Every change goes through Catalogue so observers hear of it. Long series
// of changes are wrapped in a batch (BeginUpdate/EndUpdate or
// CatalogueBatch); observers then hear one reset (or one layout change when
// the batch only re-sorted) at the end of the outermost batch.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/columns.h"

namespace lrv {

// Depth of a node counted from 0. Values above Article occur only in
// damaged or foreign tree files.
enum class NodeLevel : int { Category = 0, Subcategory = 1, Article = 2 };

class Catalogue;

class CatalogueNode {
 public:
  CatalogueNode(const CatalogueNode&) = delete;
  CatalogueNode& operator=(const CatalogueNode&) = delete;

  NodeLevel Level() const { return static_cast<NodeLevel>(level_); }
  int Depth() const { return level_; }
  bool IsCategory() const { return level_ == 0; }
  bool IsSubcategory() const { return level_ == 1; }
  bool IsArticle() const { return level_ == 2; }

  // nullptr for a root (category).
  CatalogueNode* Parent() const { return parent_ != nullptr && parent_->level_ >= 0 ? parent_ : nullptr; }
  // Position among its siblings.
  int Row() const { return row_; }
  int ChildCount() const { return static_cast<int>(children_.size()); }
  // nullptr when the index is out of range.
  CatalogueNode* Child(int index) const;
  std::span<CatalogueNode* const> Children() const { return children_; }

  // The value list: reading a column at or beyond its end yields "".
  const std::string& Value(int column) const;
  int ValueCount() const { return static_cast<int>(values_.size()); }
  const std::vector<std::string>& Values() const { return values_; }
  const std::string& Title() const { return Value(ColTitle); }

  // The integers every node carries (and the tree file stores).
  std::int32_t ImageIndex() const { return image_; }
  std::int32_t SelectedIndex() const { return selectedImage_; }
  std::int32_t StateIndex() const { return stateIndex_; }
  std::int32_t Data() const { return data_; }

  bool Expanded() const { return expanded_; }
  bool IsSelected() const { return selected_; }

 private:
  friend class Catalogue;
  CatalogueNode() = default;
  ~CatalogueNode() = default;  // children are freed by Catalogue, without recursion

  CatalogueNode* parent_ = nullptr;
  std::vector<CatalogueNode*> children_;  // owned
  std::vector<std::string> values_;
  std::int32_t image_ = 0;
  std::int32_t selectedImage_ = -1;
  std::int32_t stateIndex_ = -1;
  std::int32_t data_ = 0;
  std::int32_t row_ = 0;
  std::int32_t level_ = 0;  // -1 for the hidden node above the roots
  bool expanded_ = false;
  bool selected_ = false;
};

// What a window adapter hears. Begin/End pairs bracket the change, so a Qt
// model can call its begin*/end* functions. `parent` nullptr means the roots.
class CatalogueObserver {
 public:
  virtual ~CatalogueObserver() = default;
  virtual void OnBeginReset() {}
  virtual void OnEndReset() {}
  virtual void OnBeginInsertNodes(const CatalogueNode* /*parent*/, int /*first*/, int /*last*/) {}
  virtual void OnEndInsertNodes() {}
  virtual void OnBeginRemoveNodes(const CatalogueNode* /*parent*/, int /*first*/, int /*last*/) {}
  virtual void OnEndRemoveNodes() {}
  // Siblings were reordered; every node pointer stays valid, rows change.
  virtual void OnBeginLayoutChange() {}
  virtual void OnEndLayoutChange() {}
  // A node's values, integers or expanded flag changed.
  virtual void OnNodeChanged(const CatalogueNode* /*node*/) {}
  // Values of many nodes changed inside a batch that made no other change.
  virtual void OnAllNodesChanged() {}
  // Focus, selection or sort marks changed.
  virtual void OnViewStateChanged() {}
};

using SortMarks = std::array<SortMark, kColumnCount>;

class Catalogue {
 public:
  Catalogue();
  ~Catalogue();
  // Takes the nodes, view state and sort marks; not the observers. The
  // source is left empty.
  Catalogue(Catalogue&& other);
  Catalogue& operator=(Catalogue&&) = delete;
  Catalogue(const Catalogue&) = delete;
  Catalogue& operator=(const Catalogue&) = delete;

  // ---- Structure
  int RootCount() const { return root_->ChildCount(); }
  bool Empty() const { return root_->children_.empty(); }
  CatalogueNode* Root(int index) const { return root_->Child(index); }
  std::span<CatalogueNode* const> Roots() const { return root_->Children(); }
  // The children of `parent`, or the roots for nullptr.
  std::span<CatalogueNode* const> ChildrenOf(const CatalogueNode* parent) const;

  // New nodes start with image 0, selected index -1, state index -1,
  // data 0, no values, collapsed.
  CatalogueNode* AddRoot();
  // Appends a child; nullptr appends a root.
  CatalogueNode* AddChild(CatalogueNode* parent);
  // Removes the node with its subtree (freed without recursion). Removed
  // nodes leave the selection; a removed focused node leaves no focus.
  void DeleteNode(CatalogueNode* node);
  void Clear();
  // Moves a node with its subtree to the end of newParent's children
  // (nullptr: the roots). Moving a node into its own subtree is refused.
  bool MoveNode(CatalogueNode* node, CatalogueNode* newParent);
  // Replaces the whole tree, focus and selection by those of `other`
  // (loading a file, undo). Keeps this catalogue's sort marks and
  // observers; does not re-sort. `other` is left empty.
  void ReplaceWith(Catalogue&& other);

  // ---- Node data
  // Writing column i first extends the list with empty texts up to i; the
  // list never shrinks.
  void SetValue(CatalogueNode* node, int column, std::string_view text);
  // Sets the whole value list (loading a file: trailing empty texts count).
  void SetValues(CatalogueNode* node, std::vector<std::string> values);
  void SetImageIndex(CatalogueNode* node, std::int32_t index);
  void SetSelectedIndex(CatalogueNode* node, std::int32_t index);
  void SetStateIndex(CatalogueNode* node, std::int32_t index);
  void SetData(CatalogueNode* node, std::int32_t data);

  // ---- View state
  void SetExpanded(CatalogueNode* node, bool expanded);
  // Expands or collapses every node at every level.
  void SetAllExpanded(bool expanded);

  CatalogueNode* Focused() const { return focused_; }
  void SetFocused(CatalogueNode* node);  // nullptr: no focus

  // Selection list, in the order nodes were selected; the first entry is
  // "the first selected node". Only siblings can be selected together:
  // selecting a node whose parent differs from the first entry's replaces
  // the selection. Selecting an already selected node changes nothing.
  void Select(CatalogueNode* node);
  // Clears the selection, then selects the node.
  void SelectOnly(CatalogueNode* node);
  void Deselect(CatalogueNode* node);
  void ClearSelection();
  int SelectedCount() const { return static_cast<int>(selection_.size()); }
  // nullptr when out of range.
  CatalogueNode* SelectedNode(int index) const;
  std::span<CatalogueNode* const> Selection() const { return selection_; }

  // Sort marks of the columns. Initially ColTitle ascending, others none.
  const SortMarks& GetSortMarks() const { return sortMarks_; }
  SortMark GetSortMark(int column) const;
  // A mark set by a command clears the marks of the other columns unless
  // keepOthers (Shift held on a header). Re-sorts at once.
  void SetSortMark(int column, SortMark mark, bool keepOthers = false);
  // Restores stored marks (settings); re-sorts.
  void SetSortMarks(const SortMarks& marks);
  // Re-sorts the children of every node at every level by the marks with
  // tlMainCompare. Equal siblings keep their order.
  void Sort();

  // ---- Batches and observers
  void BeginUpdate();
  void EndUpdate();
  bool InBatch() const { return batchDepth_ > 0; }
  void AddObserver(CatalogueObserver* observer);
  void RemoveObserver(CatalogueObserver* observer);

 private:
  enum class BatchChange { None, Layout, Reset };

  CatalogueNode* Attach(CatalogueNode* parent, CatalogueNode* child);
  static void FreeSubtree(CatalogueNode* node);
  static void Renumber(CatalogueNode* parent, std::size_t from);
  void ForgetViewStateIn(CatalogueNode* subtree);
  void KeepSelectionSiblings();
  void SortNodes();
  void SwapContent(Catalogue& other);

  // Notifications, folded into one reset or layout change inside a batch.
  template <class F>
  void Notify(F&& f);
  void BeginStructureChange(const CatalogueNode* parent, int first, int last, bool insert);
  void EndStructureChange(bool insert);
  void BeginWholeChange();
  void EndWholeChange();
  void NodeChanged(const CatalogueNode* node);
  void ViewStateChanged();

  CatalogueNode* root_;  // hidden node above the roots (level -1), owned
  CatalogueNode* focused_ = nullptr;
  std::vector<CatalogueNode*> selection_;
  SortMarks sortMarks_{SortMark::Ascending, SortMark::None, SortMark::None, SortMark::None, SortMark::None};

  std::vector<CatalogueObserver*> observers_;
  int batchDepth_ = 0;
  BatchChange batchChange_ = BatchChange::None;
  bool batchValues_ = false;
  bool batchViewState_ = false;
};

// Runs a batch of changes for the length of a scope.
class CatalogueBatch {
 public:
  explicit CatalogueBatch(Catalogue& catalogue) : catalogue_(catalogue) { catalogue_.BeginUpdate(); }
  ~CatalogueBatch() { catalogue_.EndUpdate(); }
  CatalogueBatch(const CatalogueBatch&) = delete;
  CatalogueBatch& operator=(const CatalogueBatch&) = delete;

 private:
  Catalogue& catalogue_;
};

}  // namespace lrv
