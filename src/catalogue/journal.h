#pragma once
// The undo and redo journal. After every recorded change it saves a whole
// snapshot of the catalogue as a tree file in TempDir ("<number>.tmp") and
// keeps an entry naming the operation and its detail (journal_entries.h).
// Undo and redo load a snapshot and put the selection back on the node the
// operation concerned. The autosave copy "tree.auto" follows the catalogue
// after every record, undo and redo.
//
// After Undo, Redo, a history click or RestoreJournalEntry the caller
// shows the status counts again (UpdateStatusCounts).

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"
#include "catalogue/catalogue.h"
#include "catalogue/journal_entries.h"
#include "catalogue/result_list.h"
#include "platform/disk.h"

namespace lrv {

// An item of the two history menus: the operation's name (UTF-8, for the
// screen) and the number of its entry.
struct HistoryItem {
  std::string caption;
  int number = 0;
};

enum class HistoryMenu { Back, Forward };

class UndoJournal {
 public:
  UndoJournal(Dirs dirs, Disk& disk);

  // Empty journal: no entries, current index -1, counter 0.
  void Reset();

  const std::vector<std::string>& Entries() const { return entries_; }
  int CurrentIndex() const { return current_; }
  int Counter() const { return counter_; }
  std::filesystem::path SnapshotPath(int number) const;

  // Called by every editing command after its change. Not on a fixed disk:
  // nothing. Otherwise drops the entries after the current one with their
  // snapshots, writes the snapshot of the next number and only then
  // appends the entry, and refreshes "tree.auto". Throws IoError when a
  // file cannot be written; a snapshot that failed adds no entry.
  void RecordJournalEntry(const Catalogue& catalogue, JournalOp op, std::string_view detail = {});

  // Loads the snapshot of `entry` and puts the selection back by the
  // operation of `undone` (an undo) or of `entry` when `undone` is blank (a
  // redo); then RecountChildren. A marking copies the states into
  // `results` when given. A snapshot that cannot be loaded throws IoError
  // and changes nothing: catalogue, current index and "tree.auto" stay.
  void RestoreJournalEntry(Catalogue& catalogue, const std::string& entry, const std::string& undone,
                           ResultList* results = nullptr);

  // acTreeUndo / acTreeRedo. False when there was nothing to do.
  bool Undo(Catalogue& catalogue, ResultList* results = nullptr);
  bool Redo(Catalogue& catalogue, ResultList* results = nullptr);

  // Enabling of acTreeUndo and acTreeRedo.
  bool CanUndo(bool treeInView) const;
  bool CanRedo(bool treeInView) const;

  // pmTreeHistoryBack: the entries from the current one down to the
  // second, newest first. pmTreeHistoryForward: the entries after the
  // current one, oldest first. Both empty for a journal of one entry.
  std::vector<HistoryItem> HistoryBack() const;
  std::vector<HistoryItem> HistoryForward() const;
  // dxUndoRedoClick: a back item returns to the state before the operation
  // clicked; a forward item advances to the state after it. False when no
  // entry has that number.
  bool ClickHistoryItem(Catalogue& catalogue, HistoryMenu menu, int number, ResultList* results = nullptr);

 private:
  std::filesystem::path AutoCopyPath() const;
  void DiscardEntriesAfterCurrent();
  void SaveAutoCopy(const Catalogue& catalogue) const;

  Dirs dirs_;
  Disk& disk_;
  std::vector<std::string> entries_;
  int current_ = -1;
  int counter_ = 0;
};

// Puts the selection back after a restore by the operation's name and
// detail (Windows-1251), as undo (`undo` true) or redo wants it.
void SelectAfterRestore(Catalogue& catalogue, std::string_view operation, std::string_view detail, bool undo,
                        ResultList* results);

}  // namespace lrv
