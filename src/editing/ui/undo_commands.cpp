// acTreeUndo and acTreeRedo with their history menus pmTreeHistoryBack
// and pmTreeHistoryForward. The menus hang on the actions themselves, so
// every toolbar button that shows one of them gets the drop-down.
#include <QAction>
#include <QApplication>
#include <QMenu>

#include "app/command_list.h"
#include "app/main_window.h"
#include "editing/ui/dialog_support.h"
#include "editing/ui/editing_commands.h"
#include "platform/qt/qt_text.h"

namespace lrv {
namespace {

// Fills a history menu as it opens; its items run dxUndoRedoClick.
void FillHistoryMenu(TfmLrvMain& window, QMenu* menu, HistoryMenu which) {
  menu->clear();
  UndoJournal& journal = window.journal();
  const std::vector<HistoryItem> items = which == HistoryMenu::Back ? journal.HistoryBack() : journal.HistoryForward();
  for (const HistoryItem& item : items) {
    QAction* action = menu->addAction(FromUtf8(item.caption));
    const int number = item.number;
    QObject::connect(action, &QAction::triggered, &window, [&window, which, number] {
      RunReportingErrors(window.services().prompter,
                         [&] { window.journal().ClickHistoryItem(window.catalogue(), which, number); });
      window.UpdateStatusCounts();
    });
  }
}


QMenu* HistoryMenuFor(TfmLrvMain& window, QAction* action, const char* name, HistoryMenu which) {
  auto* menu = new QMenu(&window);
  menu->setObjectName(QString::fromLatin1(name));
  QObject::connect(menu, &QMenu::aboutToShow, &window, [&window, menu, which] { FillHistoryMenu(window, menu, which); });
  window.commands().SetDropDownMenu(action, menu);
  return menu;
}

}  // namespace

void InstallUndoCommands(TfmLrvMain& window) {
  CommandList& c = window.commands();
  TfmLrvMain* w = &window;
  auto step = [w](bool undo) {
    RunReportingErrors(w->services().prompter, [&] {
      if (undo) w->journal().Undo(w->catalogue());
      else w->journal().Redo(w->catalogue());
    });
    w->UpdateStatusCounts();
  };
  QAction* undo = c.Add({"acTreeUndo", QStringLiteral("&Отменить действие"),
                         QStringLiteral("Отменить модификацию структуры дерева"),
                         {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [step] { step(true); },
                         [w] { return w->journal().CanUndo(w->TreeInView()); }});
  QAction* redo = c.Add({"acTreeRedo", QStringLiteral("&Вернуть действие"),
                         QStringLiteral("Вернуть модификацию структуры дерева"),
                         {QKeySequence(Qt::CTRL | Qt::Key_Y)}, [step] { step(false); },
                         [w] { return w->journal().CanRedo(w->TreeInView()); }});
  HistoryMenuFor(window, undo, "pmTreeHistoryBack", HistoryMenu::Back);
  HistoryMenuFor(window, redo, "pmTreeHistoryForward", HistoryMenu::Forward);
}

}  // namespace lrv
