// The installer of the editing commands, and the commands that need no
// window of their own beyond TfmAddCat: adding a category or
// subcategory and deleting.
#include "editing/ui/editing_commands.h"

#include <QAction>
#include <QStackedWidget>
#include <memory>

#include "app/command_list.h"
#include "app/main_window.h"
#include "editing/add_category.h"
#include "editing/delete_mark.h"
#include "editing/ui/add_cat_dialog.h"
#include "editing/ui/catalogue_tree.h"
#include "editing/ui/dialog_support.h"
#include "platform/qt/qt_text.h"

namespace lrv {
namespace {

void AddCategoryExecute(TfmLrvMain& w) {
  TfmAddCat dialog(PrepareAddCat(w.catalogue()), w.services().help,
                   [&w](AddCatForm& form) {
                     AddCatResult result;
                     try {
                       result = AddCatOk(w.catalogue(), w.journal(), w.services().prompter, form);
                     } catch (const std::exception& e) {
                       // The node is in; only its snapshot failed.
                       w.services().prompter.Error(e.what(), 0, MessageButtons::Ok);
                       result.close = true;
                     }
                     return result;
                   },
                   &w);
  const bool added = dialog.exec() == QDialog::Accepted;
  if (added) w.UpdateStatusCounts();
}

void DeleteExecute(TfmLrvMain& w) {
  AppServices& s = w.services();
  bool deleted = false;
  RunReportingErrors(s.prompter, [&] { deleted = DeleteSelected(w.catalogue(), w.journal(), s.prompter, s.dirs, s.disk); });
  if (deleted) w.UpdateStatusCounts();
}

}  // namespace

void InstallEditingCommands(TfmLrvMain& window) {
  CommandList& c = window.commands();
  TfmLrvMain* w = &window;

  InstallUndoCommands(window);
  c.Add({"acAddCategory", QStringLiteral("Добавить &категорию..."),
         QStringLiteral("Добавить новую категорию или подкатегорию"), {QKeySequence(Qt::ALT | Qt::Key_Insert)},
         [w] { AddCategoryExecute(*w); }, [w] { return AddCategoryEnabled(w->TreeInView()); }});
  InstallArticleCommands(window);
  InstallMoveCommands(window);

  // The caption follows the selection: the enabling rule sets it too.
  auto deleteAction = std::make_shared<QAction*>(nullptr);
  *deleteAction = c.Add({"acDelArticleOrCat", QStringLiteral("&Удалить статью"),
                         QStringLiteral("Удаление статьи или категории"), {QKeySequence(Qt::CTRL | Qt::Key_Delete)},
                         [w] { DeleteExecute(*w); },
                         [w, deleteAction] {
                           if (*deleteAction)
                             if (auto caption = DeleteCommandCaption(w->catalogue()))
                               (*deleteAction)->setText(FromUtf8(*caption));
                           return DeleteEnabled(w->catalogue(), w->TreeInView());
                         }});
  InstallTitleCommands(window);

  InstallMarkCommands(window);
}

}  // namespace lrv
