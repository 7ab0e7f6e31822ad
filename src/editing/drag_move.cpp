#include "editing/drag_move.h"

#include <vector>

#include "base/text.h"
#include "catalogue/journal_entries.h"
#include "catalogue/message_text.h"
#include "editing/count_column.h"

namespace lrv {
namespace {

constexpr std::string_view kMoveToText = "Переместить в \"%s\"";
constexpr std::string_view kCannotMoveHereText = "Сюда переместить нельзя!";
constexpr std::string_view kStructureText =
    "При перемещении не должна быть нарушена структура дерева, уровень элементов должен оставаться неизменным! "
    "Отпускать кнопку мыши нужно над предполагаемым родительским элементом!";
constexpr int kStructureHelp = 30;

}  // namespace

bool CanDropOn(const Catalogue& catalogue, const CatalogueNode* target) {
  const CatalogueNode* first = catalogue.SelectedNode(0);
  return first != nullptr && target != nullptr && first->Depth() == target->Depth() + 1;
}

DragFeedback DecideDragOver(const Catalogue& catalogue, const CatalogueNode* target, bool fromTree) {
  DragFeedback feedback;
  if (catalogue.SelectedCount() == 0) {
    // Not refused here; the drop then does nothing.
    feedback.accept = true;
    return feedback;
  }
  if (target == nullptr) return feedback;
  if (CanDropOn(catalogue, target)) {
    feedback.accept = fromTree;
    feedback.statusText = FillPlaceholders(kMoveToText, {text::Cp1251ToUtf8(target->Title())});
    return feedback;
  }
  feedback.statusText = std::string(kCannotMoveHereText);
  feedback.warningImage = true;
  return feedback;
}

DropOutcome DropSelected(Catalogue& catalogue, UndoJournal& journal, Prompter& prompter, CatalogueNode* target,
                         bool onNode) {
  if (catalogue.SelectedCount() == 0 || target == nullptr) return DropOutcome::Nothing;
  CatalogueNode* oldParent = catalogue.SelectedNode(0)->Parent();
  if (!CanDropOn(catalogue, target)) {
    prompter.Error(std::string(kStructureText), kStructureHelp);
    return DropOutcome::Refused;
  }
  if (!onNode) return DropOutcome::Nothing;

  CatalogueNode* last = nullptr;
  {
    CatalogueBatch batch(catalogue);
    while (CatalogueNode* node = catalogue.SelectedNode(0)) {
      catalogue.Deselect(node);
      catalogue.MoveNode(node, target);
      last = node;
    }
    catalogue.Sort();
    SetCountToChildren(catalogue, target);
    SetCountToChildren(catalogue, oldParent);
  }
  // Recorded after the re-sort and the counts, so the snapshot and the
  // autosave copy hold the finished state.
  journal.RecordJournalEntry(catalogue, JournalOp::Move, MoveDetail(last->Title(), last->Depth()));
  return DropOutcome::Moved;
}

}  // namespace lrv
