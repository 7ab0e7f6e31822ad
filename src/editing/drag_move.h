#pragma once
// Moving the selected nodes of the tree by dragging them onto the node
// that is to become their parent (tlMainDragOver, tlMainDragDrop). The
// nodes themselves move, with all their columns and everything below them.

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/journal.h"
#include "platform/prompter.h"

namespace lrv {

// The picture of the command image list ilMenu shown beside a refusal.
inline constexpr int kDragWarningImage = 40;

// Whether the first selected node would get `target` as a parent of the
// level just above its own.
bool CanDropOn(const Catalogue& catalogue, const CatalogueNode* target);

// What tlMainDragOver does for the node under the pointer.
struct DragFeedback {
  bool accept = false;
  // The wide status-bar field pnStatusLarge: a new text (UTF-8) and
  // whether the warning picture shows; nullopt leaves the field as it is.
  std::optional<std::string> statusText;
  bool warningImage = false;
};
// `target` is the node under the pointer (nullptr: none); `fromTree`
// whether the drag started in tlMain itself.
DragFeedback DecideDragOver(const Catalogue& catalogue, const CatalogueNode* target, bool fromTree);

enum class DropOutcome {
  Nothing,  // nothing selected, no node under the pointer, or off the node's cells
  Refused,  // wrong level: error 30 shown
  Moved,    // moved, re-sorted, counts set, "Перемещение" recorded
};

// tlMainDragDrop. `onNode`: the pointer is over the target's expand
// button, image, indentation or cells (anything else on its row moves
// nothing). Every selected node becomes the last child of `target`; then
// the tree is re-sorted, the counts of the target and the old parent are
// set to their numbers of children, and the entry is recorded with the
// title and level of the last node moved.
DropOutcome DropSelected(Catalogue& catalogue, UndoJournal& journal, Prompter& prompter, CatalogueNode* target,
                         bool onNode);

}  // namespace lrv
