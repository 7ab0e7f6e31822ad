#pragma once
// The note panel pnNote under the browser: the splitter SplitterNote that
// divides it from the browser, the toolbar "Примечание" (dxDockNote) and
// the note editor seNote. The panel's rules (NotePanel) decide; this host
// shows their state and hands them the editor's text and the address box.

#include <QObject>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "viewer/notes.h"

class QMenu;
class QPlainTextEdit;
class QSplitter;
class QToolBar;
class QWidget;

namespace lrv {

class CommandList;
class TfmLrvMain;

namespace viewer {

class BrowserHost;

class NotePanelHost : public QObject {
  Q_OBJECT
 public:
  // Puts pnNote below the browser in the host's SplitterNote.
  NotePanelHost(TfmLrvMain& window, BrowserHost& host);

  NotePanel& Rules() { return notes_; }
  QWidget* Panel() const { return pnNote_; }
  QPlainTextEdit* Editor() const { return seNote_; }
  QToolBar* Toolbar() const { return dxDockNote_; }

  // The open-file dialog of acNoteLoad (nullopt: cancelled); tests put
  // their own choice here.
  std::function<std::optional<std::filesystem::path>()> ChooseNoteFile;

  // Fills the toolbar once the note commands exist.
  void FillToolbar(CommandList& commands);

  // ---- Steps; each shows the rules' new state.
  void FirstShow();
  void NavigateComplete(const NavigateCompleteSteps& steps);
  void Add();
  void Save();
  void Load();
  void Delete();
  void LockPanel();
  void DeleteAllNotes();
  // miArticlesAndCatsPopup's note step for the submenu of that object name
  // inside `menu`.
  void PrepareMenu(QMenu* menu, const QString& submenuName);
  // The stored pinned state and height ("form.ini").
  void RestorePinned(bool pinned);
  void RestoreHeight(int height);

  // The editor's text for the rules.
  NoteText EditorText() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The address box's current text: the page the commands act on.
  std::string Address();
  void ApplyEditor(const NoteEditorUpdate& update);
  // The rules' state on the screen: height, toolbar, command states.
  void ShowState();
  // An input/output error ends the command with the general error box.
  void ReportingIoErrors(const std::function<void()>& work);

  TfmLrvMain& window_;
  BrowserHost& host_;
  NotePanel notes_;
  QSplitter* splitter_ = nullptr;
  QWidget* pnNote_ = nullptr;
  QToolBar* dxDockNote_ = nullptr;
  QPlainTextEdit* seNote_ = nullptr;
  // The system's own loading and clearing is no edit of the user's.
  bool settingText_ = false;
};

// The note panel the installer gave the window; nullptr before.
NotePanelHost* NotePanelHostOf(TfmLrvMain& window);

}  // namespace viewer
}  // namespace lrv
