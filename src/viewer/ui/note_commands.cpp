// The note commands of the main window: the submenu "Примечание" of the
// edit menu and of the tree's context menu, the pin toggle in the view
// menu, removing every note in the service menu, and the note panel's two
// stored properties.
#include <QAction>
#include <QApplication>
#include <QStyle>

#include "app/command_list.h"
#include "app/main_window.h"
#include "viewer/ui/browser_host.h"
#include "viewer/ui/note_panel.h"
#include "viewer/ui/viewer_commands.h"

namespace lrv {

void InstallNoteCommands(TfmLrvMain& window, viewer::BrowserHost& host) {
  if (viewer::NotePanelHostOf(window) != nullptr) return;
  auto* panel = new viewer::NotePanelHost(window, host);
  const viewer::NotePanel& rules = panel->Rules();
  CommandList& c = window.commands();

  c.Add({"acNoteAdd", QStringLiteral("&Добавить заметки"), QStringLiteral("Добавить/изменить заметки о статье"), {},
         [panel] { panel->Add(); }, [&rules] { return rules.AddEnabled(); }});
  QAction* save = c.Add({"acNoteSave", QStringLiteral("&Сохранить..."), QStringLiteral("Сохранить примечание"),
                         {QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_S)}, [panel] { panel->Save(); },
                         [&rules] { return rules.SaveEnabled(); }});
  QAction* load = c.Add({"acNoteLoad", QStringLiteral("&Загрузить..."), QStringLiteral("Загрузить примечание"), {},
                         [panel] { panel->Load(); }, {}});
  QAction* remove = c.Add({"acNoteDelete", QStringLiteral("&Убрать примечание"), QStringLiteral("Убрать примечание"),
                           {}, [panel] { panel->Delete(); }, [&rules] { return rules.DeleteEnabled(); }});
  c.Add({"acNoteLockPanel", QStringLiteral("&Закрепить примечание"), QStringLiteral("Закрепить панель примечания"), {},
         [panel] { panel->LockPanel(); }, {}, true});
  c.Add({"acDelAllNotes", QStringLiteral("&Удалить все примечания"),
         QStringLiteral("&Удалить примечания ко всем статьям"), {}, [panel] { panel->DeleteAllNotes(); },
         [&rules, &window] { return rules.DelAllNotesEnabled(window.TreeInView()); }});
  QStyle* style = qApp->style();
  save->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
  load->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
  remove->setIcon(style->standardIcon(QStyle::SP_TrashIcon));
  panel->FillToolbar(c);

  host.ShowNoteForPage = [panel](const viewer::NavigateCompleteSteps& steps) { panel->NavigateComplete(steps); };
  QObject::connect(&window, &TfmLrvMain::firstShown, panel, [panel] { panel->FirstShow(); });
  window.OnMenuOpen("miEdit", [panel](QMenu* menu) { panel->PrepareMenu(menu, QStringLiteral("dxNote")); });
  window.OnMenuOpen("pmTreeList", [panel](QMenu* menu) { panel->PrepareMenu(menu, QStringLiteral("dxNotePopup")); });

  window.AddStoredProperty({"acNoteLockPanel.Checked",
                            [&rules] { return rules.Pinned() ? QStringLiteral("1") : QStringLiteral("0"); },
                            [panel](const QString& value) {
                              const QString v = value.trimmed().toLower();
                              panel->RestorePinned(v == QLatin1String("1") || v == QLatin1String("true"));
                            }});
  window.AddStoredProperty({"pnNote.Height", [&rules] { return QString::number(rules.Height()); },
                            [panel](const QString& value) {
                              bool ok = false;
                              const int height = value.trimmed().toInt(&ok);
                              if (ok) panel->RestoreHeight(height);
                            }});
}

}  // namespace lrv
