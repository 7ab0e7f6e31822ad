#pragma once
// The service menu's tree commands (load, save, clear), loading a tree file
// with a safety copy, and files dropped on the main window. The dialogs
// live in the window; these functions take what the user chose.
//
// After LoadTreeFile, TreeLoadCommand, TreeClearCommand and a dropped tree
// file the caller shows the status counts again (UpdateStatusCounts).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/paths.h"
#include "catalogue/catalogue.h"
#include "catalogue/journal.h"
#include "platform/disk.h"
#include "platform/prompter.h"

namespace lrv {

// Open and save dialogs of the tree commands.
inline constexpr std::string_view kTreeDialogExtension = "tree";
inline constexpr std::string_view kTreeDialogFilter = "Резервные копии дерева (*.tree)|*.tree|Все файлы (*.*)|*.*";

enum class TreeFileLoad {
  Skipped,   // not on a fixed disk: nothing was done
  Loaded,
  Restored,  // the file was damaged; the catalogue came back from "tree.auto" (error 45)
  Damaged,   // the file was damaged and there is no "tree.auto" (error 46)
};

// LoadTreeFile: on a fixed disk only. Saves the catalogue to "tree.auto"
// first (IoError stops everything before the load), then loads the file.
// The count column is not recounted; CurrentTreeFileName does not change.
TreeFileLoad LoadTreeFile(Catalogue& catalogue, const std::filesystem::path& file, const Dirs& dirs, Disk& disk,
                          Prompter& prompter);

// acTreeLoad after the user chose a file: LoadTreeFile, then the journal
// entry "Загрузка дерева" with the selection taken before the load.
TreeFileLoad TreeLoadCommand(Catalogue& catalogue, UndoJournal& journal, const std::filesystem::path& file,
                             const Dirs& dirs, Disk& disk, Prompter& prompter);

// Whether `folder` is BaseDir: the same folder on disk (links and "..""
// resolved), or, when either cannot be looked up, the same normalised path.
bool IsBaseDirFolder(const std::filesystem::path& folder, const Dirs& dirs);

// acTreeSave after the user confirmed a file: on a fixed disk only, and
// only into BaseDir (otherwise warning 39, nothing saved). True when saved.
// Throws IoError when the file cannot be written. No journal entry.
bool SaveUserBackup(const Catalogue& catalogue, const std::filesystem::path& file, const Dirs& dirs, Disk& disk,
                    Prompter& prompter);

// acTreeClear: with at least one category and OK to confirmation 48,
// empties the catalogue, records "Очистка дерева", then offers to delete
// NotesDir (confirmation 49; error 50 when it cannot be removed). True
// when the catalogue was cleared.
bool TreeClearCommand(Catalogue& catalogue, UndoJournal& journal, const Dirs& dirs, Prompter& prompter);

// Asks "Удалить все сделанные к статьям примечания…" (confirmation 49),
// then removes NotesDir with everything in it; the error 50 when the folder
// stays. nullopt when the user declined, else whether it was removed.
std::optional<bool> AskAndDeleteNotesFolder(const Dirs& dirs, Prompter& prompter);

// Enabling of the three commands.
bool TreeLoadEnabled(bool treeInView);
bool TreeSaveEnabled(bool treeInView, const Catalogue& catalogue);
bool TreeClearEnabled(bool treeInView, const Catalogue& catalogue);

// ---- Dropped files

enum class DropAction {
  LoadTree,         // a tree file: LoadTreeFile, no journal entry
  AddArticle,       // a page in BaseDir: start the add-article command
  PageOutsideBase,  // a page elsewhere: information 51
  UnknownFormat,    // warning 52
  NotOneFile,       // information 53
};

struct DropDecision {
  DropAction action = DropAction::NotOneFile;
  std::filesystem::path file;  // the dropped file (one file dropped)
  std::string articleFile;     // AddArticle: its name, Windows-1251, preset as the article's file
};

// The extension of a dropped file: from the last dot of its name, trimmed
// and lower-cased (Windows-1251); empty without a dot.
std::string DroppedExtension(const std::filesystem::path& file);
DropDecision DecideDrop(const std::vector<std::filesystem::path>& files, const Dirs& dirs);

// Acts on a drop: loads a tree file, shows messages 51, 52 and 53. For
// AddArticle the window then opens the add-article dialog with
// decision.articleFile.
DropDecision HandleDroppedFiles(const std::vector<std::filesystem::path>& files, Catalogue& catalogue,
                                const Dirs& dirs, Disk& disk, Prompter& prompter);

}  // namespace lrv
