// The four marking commands and their submenu "&Отметить статью как":
// the tree page marks the selected nodes, the results page the selected
// rows; each mirrors into the other list.
#include <QAction>
#include <QMenu>
#include <QStackedWidget>
#include <QTreeView>

#include "app/command_list.h"
#include "app/main_window.h"
#include "editing/delete_mark.h"
#include "editing/mark_menu.h"
#include "editing/ui/catalogue_tree.h"
#include "editing/ui/dialog_support.h"
#include "editing/ui/editing_commands.h"
#include "platform/qt/qt_text.h"

namespace lrv {
namespace {

bool ResultPageShown(TfmLrvMain& w) { return w.nbMain->currentWidget() != w.pageMenu; }

std::vector<int> SelectedRows(TfmLrvMain& w) {
  return w.SelectedResultRows ? w.SelectedResultRows() : std::vector<int>{};
}

void MarkExecute(TfmLrvMain& w, std::string_view state) {
  MarkResult result;
  RunReportingErrors(w.services().prompter, [&] {
    if (ResultPageShown(w)) {
      const std::vector<int> rows = SelectedRows(w);
      result = MarkSelectedResults(w.catalogue(), w.results(), rows, w.journal(), state);
    } else {
      result = MarkSelected(w.catalogue(), &w.results(), w.journal(), state);
    }
  });
  if (!result.changedRows.empty() && w.ResultRowsChanged) w.ResultRowsChanged();
  if (w.tlMain) w.tlMain->viewport()->update();
}

}  // namespace

void PrepareMarkSubmenu(TfmLrvMain& w, QMenu* menu, const char* submenuName) {
  QAction* submenu = nullptr;
  for (QAction* action : menu->actions())
    if (action->menu() && action->menu()->objectName() == QLatin1String(submenuName)) submenu = action;
  if (submenu == nullptr) return;
  const std::vector<int> rows = SelectedRows(w);
  const MarkMenuLook look = ResultPageShown(w) ? ResultMarkMenu(w.results(), rows, w.LeftPanelOpen())
                                               : TreeMarkMenu(w.catalogue(), w.LeftPanelOpen());
  submenu->setVisible(look.visible);
  if (!look.visible) return;
  submenu->setText(FromUtf8(look.caption));
  for (std::size_t i = 0; i < std::size(kMarkCommands); ++i) {
    QAction* entry = w.commands()[kMarkCommands[i].name.data()];
    if (entry == nullptr) continue;
    entry->setText(FromUtf8(look.entries[i]));
    entry->setChecked(look.pressed == static_cast<int>(i));
  }
}

void InstallMarkCommands(TfmLrvMain& window) {
  TfmLrvMain* w = &window;
  for (const MarkCommand& mark : kMarkCommands) {
    const std::string state(mark.state);
    window.commands().Add({mark.name.data(), FromUtf8(std::string(mark.caption)), FromUtf8(std::string(mark.hint)),
                           {QKeySequence(FromUtf8(std::string(mark.shortcut)))}, [w, state] { MarkExecute(*w, state); },
                           {}, true});
  }
  window.OnMenuOpen("miEdit", [w](QMenu* menu) { PrepareMarkSubmenu(*w, menu, "miMarkArticle"); });
  window.OnMenuOpen("pmTreeList", [w](QMenu* menu) { PrepareMarkSubmenu(*w, menu, "miMarkArticlePopup"); });
}

}  // namespace lrv
