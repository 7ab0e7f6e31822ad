// Moving articles and subcategories: acMove with TfmMove and the progress
// window, and dragging the selected nodes of tlMain onto their new parent.
#include <QDialog>
#include <QLabel>
#include <QStyle>

#include "app/command_list.h"
#include "app/main_window.h"
#include "editing/article_dialog.h"
#include "editing/drag_move.h"
#include "editing/move.h"
#include "editing/ui/catalogue_tree.h"
#include "editing/ui/dialog_support.h"
#include "editing/ui/editing_commands.h"
#include "editing/ui/move_dialog.h"
#include "platform/qt/qt_text.h"

namespace lrv {
namespace {

// The tree repaints again when the command ends, whichever way it ends.
class RepaintSuspended {
 public:
  explicit RepaintSuspended(QWidget* widget) : widget_(widget) {
    if (widget_) widget_->setUpdatesEnabled(false);
  }
  ~RepaintSuspended() {
    if (widget_) widget_->setUpdatesEnabled(true);
  }
  RepaintSuspended(const RepaintSuspended&) = delete;
  RepaintSuspended& operator=(const RepaintSuspended&) = delete;

 private:
  QWidget* widget_;
};

void MoveExecute(TfmLrvMain& w) {
  AppServices& s = w.services();
  RepaintSuspended suspended(w.tlMain);
  const std::optional<MoveSetup> setup = PrepareMove(w.catalogue(), s.prompter);
  if (!setup) return;
  TfmMove dialog(*setup, s.help,
                 [&w](const std::string& category) { return SubcategoryChoices(w.catalogue(), category); }, &w);
  if (dialog.exec() != QDialog::Accepted) return;
  ProgressWindowForMove progress(s.registry, &w);
  RunReportingErrors(s.prompter, [&] { MoveSelected(w.catalogue(), w.journal(), *setup, dialog.Choice(), &progress); });
  w.UpdateStatusCounts();
}

// acFindSubCat: TfmMove lists the subcategories; OK selects the chosen one.
void FindSubcategoryExecute(TfmLrvMain& w) {
  AppServices& s = w.services();
  TfmMove dialog(PrepareFindSubcategory(w.catalogue()), s.help,
                 [&w](const std::string& category) { return SubcategoryChoices(w.catalogue(), category); }, &w);
  if (dialog.exec() != QDialog::Accepted) return;
  if (FindSubcategoryChosen(w.catalogue(), dialog.Choice()) != nullptr && w.tlMain) w.tlMain->setFocus();
}

// tlMainDragOver: whether the drop is allowed here, and the status field.
bool DragOver(TfmLrvMain& w, CatalogueNode* target) {
  const DragFeedback feedback = DecideDragOver(w.catalogue(), target, true);
  if (feedback.statusText) {
    w.pnStatusLarge->setText(FromUtf8(*feedback.statusText));
    if (feedback.warningImage)
      w.pnStatusLargeImage->setPixmap(w.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    else
      w.pnStatusLargeImage->clear();
  }
  return feedback.accept;
}

// tlMainDragDrop. The tree reports a drop only with a node under the
// pointer, and its title column fills the row, so the pointer is on the
// node's cells.
void Drop(TfmLrvMain& w, CatalogueNode* target) {
  DropOutcome outcome = DropOutcome::Nothing;
  RunReportingErrors(w.services().prompter, [&] {
    outcome = DropSelected(w.catalogue(), w.journal(), w.services().prompter, target, true);
  });
  if (outcome == DropOutcome::Moved) w.UpdateStatusCounts();
}

}  // namespace

void InstallMoveCommands(TfmLrvMain& window) {
  TfmLrvMain* w = &window;
  window.commands().Add({"acMove", QStringLiteral("Пере&местить..."),
                         QStringLiteral("Переместить статью или подкатегорию"), {}, [w] { MoveExecute(*w); },
                         [w] { return MoveEnabled(w->catalogue(), w->TreeInView()); }});
  window.commands().Add({"acFindSubCat", QStringLiteral("&Найти подкатегорию..."),
                         QStringLiteral("Перейти на подкатегорию в дереве"), {}, [w] { FindSubcategoryExecute(*w); },
                         [w] { return FindSubcategoryEnabled(w->catalogue()); }});
  if (window.tlMain == nullptr) return;
  window.tlMain->SetDropFilter([w](CatalogueNode* target) { return DragOver(*w, target); });
  QObject::connect(window.tlMain, &TCatalogueTree::nodesDropped, &window,
                   [w](CatalogueNode* target) { Drop(*w, target); });
}

}  // namespace lrv
