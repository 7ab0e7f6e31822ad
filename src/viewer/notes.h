#pragma once
// Article notes: the collapsible note panel under the browser and the note
// commands. A note is a plain text file in NotesDir named after the page's
// file (NoteFileForAddress); a note exists exactly while its file exists.
//
// NotePanel holds the panel's state (pinned, height, toolbar, which note
// commands are enabled, the editor's modified flag) and runs the command
// flows. The window owns the editor itself: every step returns what to do
// with the editor's text, and the window hands the editor's text over as
// NoteText. Addresses are the address box's text (Windows-1251).

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/disk.h"
#include "platform/prompter.h"
#include "viewer/article_viewer.h"

namespace lrv::viewer {

// Height of the collapsed panel: only its edge and the splitter show.
inline constexpr int kCollapsedNoteHeight = 2;
// NotePanelHeight at start-up.
inline constexpr int kInitialNotePanelHeight = 100;

inline constexpr int kNoteNotOnFixedDiskHelp = 55;
inline constexpr int kNoteWithoutArticleHelp = 54;
inline constexpr int kNoteReplaceHelp = 57;
inline constexpr int kNoteRemoveHelp = 58;
inline constexpr int kAllNotesDeletedHelp = 62;

inline constexpr std::string_view kNoteNotOnFixedDiskText =
    "Программа была запущена не с жёсткого диска! Выполнение этой операции невозможно!";
inline constexpr std::string_view kNoteWithoutArticleText =
    "В списке сейчас отсутствует статья, которой было присвоено это примечание!";
inline constexpr std::string_view kNoteReplaceQuestion = "Заменить уже имеющееся примечание?";
inline constexpr std::string_view kNoteRemoveQuestion = "Вы действительно хотите убрать примечание?";
inline constexpr std::string_view kAllNotesDeletedText = "Все примечания были успешно удалены!";
// A note file holds Windows-1251 text: a character without that form
// would turn into "?" on disk, so such a note is not saved at all.
inline constexpr std::string_view kNoteUnsavableText =
    "Примечание содержит символ «%s», которого нет в кодировке Windows-1251, поэтому его нельзя сохранить.\n\r"
    "Уберите или замените этот символ и сохраните примечание снова.";

// Captions of acNoteAdd in the note submenu (UTF-8).
inline constexpr std::string_view kNoteAddCaption = "&Добавить заметки";
inline constexpr std::string_view kNoteChangeCaption = "&Изменить примечание";

// The open-file dialog of acNoteLoad.
inline constexpr std::string_view kNoteFileExtension = "txt";
inline constexpr std::string_view kNoteFileFilter = "Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*";

// The note editor's text as the window hands it over.
struct NoteText {
  std::vector<std::string> lines;  // Windows-1251
  // The first character of the text that has no Windows-1251 form (UTF-8);
  // empty when the whole text converts.
  std::string unsavable;

  // Empty after trimming (a character without a Windows-1251 form is
  // never blank).
  bool Blank() const;
};

// What the window does with the note editor after a step, in this order.
struct NoteEditorUpdate {
  bool clear = false;                             // empty the editor
  std::optional<std::vector<std::string>> lines;  // show these lines (Windows-1251)
  bool focus = false;                             // focus the editor if it can take it
};

// The note submenu ("dxNote", "dxNotePopup") as a menu opens.
struct NoteMenu {
  bool enabled = false;
  // acNoteAdd's caption (UTF-8); nullopt leaves it as it is.
  std::optional<std::string> addCaption;
};

class NotePanel {
 public:
  // The viewer gives the page titles, the catalogue and the folders; all
  // three references must outlive the panel.
  NotePanel(ArticleViewer& viewer, Prompter& prompter, Disk& disk);

  // ---- State the window shows.
  bool Pinned() const { return pinned_; }
  void SetPinned(bool pinned) { pinned_ = pinned; }
  // The panel's height in pixels; the window reports the user's drags of
  // the splitter and the stored height here.
  int Height() const { return height_; }
  void SetHeight(int height);
  bool Collapsed() const { return height_ == kCollapsedNoteHeight; }
  // NotePanelHeight: the expanded height to come back to.
  int RememberedHeight() const { return rememberedHeight_; }
  bool ToolbarVisible() const { return toolbarVisible_; }
  bool AddEnabled() const { return addEnabled_; }
  bool SaveEnabled() const { return saveEnabled_; }
  bool DeleteEnabled() const { return deleteEnabled_; }
  bool Modified() const { return modified_; }

  // ---- Steps.
  // The window's first show: collapse (unless pinned), hide the toolbar,
  // disable acNoteAdd.
  void FirstShow();
  // The note-panel steps of every completed navigation, with what
  // ArticleViewer::NavigateComplete found: whether the page has a title and
  // its note file.
  NoteEditorUpdate NavigateComplete(bool noteAllowed, const std::optional<std::filesystem::path>& noteFile);
  NoteEditorUpdate NavigateComplete(const NavigateCompleteSteps& steps) {
    return NavigateComplete(steps.noteAllowed, steps.noteFile);
  }
  // acNoteAdd: expand a collapsed panel, show the toolbar, focus the editor.
  NoteEditorUpdate AddExecute();
  // seNoteChange: the user edited the note (never raised for the system's
  // own loading or clearing).
  void EditorChanged(const NoteText& text);
  // acNoteSave for the page at `address`. True when the note file was
  // written. Throws IoError when NotesDir or the file cannot be written
  // (nothing changes then: the note stays modified).
  bool SaveExecute(std::string_view address, const NoteText& text);
  // acNoteLoad: `current` is the editor's text; `chooseFile` shows the
  // open-file dialog (nullopt: cancelled). The chosen file's lines go into
  // the editor; nothing is written. Throws IoError when it cannot be read.
  NoteEditorUpdate LoadExecute(std::string_view address, const NoteText& current,
                               const std::function<std::optional<std::filesystem::path>()>& chooseFile);
  // acNoteDelete: removes the note file (if any) and empties the editor.
  // Throws IoError when the file cannot be deleted (nothing else changes).
  NoteEditorUpdate DeleteExecute(std::string_view address);
  // acNoteLockPanel: toggles the pinned state.
  void LockPanelExecute() { pinned_ = !pinned_; }
  // acDelAllNotes: removes NotesDir with every note. True when removed.
  bool DelAllNotesExecute();
  // acDelAllNotesUpdate.
  bool DelAllNotesEnabled(bool treeInView) const;
  // The note submenu for the page at `address` as the edit menu or the
  // tree's context menu opens; renews acNoteSave's and acNoteDelete's state.
  NoteMenu PrepareMenu(std::string_view address);

 private:
  // The note file of a titled page; nullopt (after warning 54) otherwise.
  std::optional<std::filesystem::path> NoteFileOrWarn(std::string_view address);
  std::optional<std::filesystem::path> TitledNoteFile(std::string_view address);
  // Collapses the panel unless pinned, remembering its expanded height.
  void Collapse();

  ArticleViewer& viewer_;
  Prompter& prompter_;
  Disk& disk_;

  bool pinned_ = false;
  int height_ = kInitialNotePanelHeight;
  int rememberedHeight_ = kInitialNotePanelHeight;
  bool toolbarVisible_ = true;
  bool addEnabled_ = true;
  bool saveEnabled_ = false;
  bool deleteEnabled_ = false;
  bool modified_ = false;
};

}  // namespace lrv::viewer
