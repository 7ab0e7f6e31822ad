#pragma once
// Which copy of the catalogue a start-up loads: the current tree file, the
// autosave copy after a crash, a backup the user restores in the restore
// window when the tree file is damaged, or the outline list on a fresh
// installation. Then the first journal entry and the start-up backups.

#include <functional>
#include <string>
#include <vector>

#include "base/paths.h"
#include "catalogue/backups.h"
#include "catalogue/catalogue.h"
#include "catalogue/journal.h"
#include "catalogue/outline_import.h"
#include "platform/clock.h"
#include "platform/disk.h"
#include "platform/prompter.h"

namespace lrv {

// RestoreDecision of the restore window.
enum class RestoreDecision { Continue = 1, EndProgram = 2 };

// The logic of the restore window TfmRestoreTree; the window forwards its
// button clicks here and does what the result says.
class RestoreSession {
 public:
  RestoreSession(Catalogue& catalogue, Prompter& prompter, std::vector<BackupEntry> entries);

  const std::vector<BackupEntry>& Entries() const { return entries_; }
  // The entry chosen when the window opens: the first one (-1: none).
  int InitialChoice() const { return entries_.empty() ? -1 : 0; }

  enum class RestoreResult {
    NothingChosen,  // no entry chosen: nothing happened
    ChooseFirst,    // entry without text: information 76 was shown
    Failed,         // the backup did not load: error 78 was shown
    Restored,       // information 77 was shown; another may still be restored over it
  };
  // btRestore with the chosen entry (index into Entries, -1 for none).
  // After ChooseFirst and Failed the window focuses cbCopies and opens it.
  RestoreResult btRestoreClick(int chosen);
  // btOk: true when the window closes (a tree was restored, or the user
  // answered OK to confirmation 75); the decision is then Continue.
  bool btOkClick();
  // btCancel: the decision is EndProgram; the window closes.
  void btCancelClick();

  bool TreeRestored() const { return treeRestored_; }
  // EndProgram until btOk closes the window, so closing it by its title
  // bar ends the program.
  RestoreDecision Decision() const { return decision_; }

 private:
  Catalogue& catalogue_;
  Prompter& prompter_;
  std::vector<BackupEntry> entries_;
  bool treeRestored_ = false;
  RestoreDecision decision_ = RestoreDecision::EndProgram;
};

// Texts of the restore window (UTF-8) and its help topic.
inline constexpr std::string_view kRestoreWindowCaption = "Восстановление дерева статей";
inline constexpr std::string_view kRestoreWindowDamagedText = "Файл, в котором находится список статей, повреждён!";
inline constexpr std::string_view kRestoreWindowReasonText =
    "Возможно из-за некорректного закрытия программы или некорректного завершения работы операционной системы";
inline constexpr std::string_view kRestoreWindowGroup = "Сервис восстановления";
inline constexpr std::string_view kRestoreWindowListLabel = "Выберите из списка резервную &копию";
inline constexpr int kRestoreWindowHelp = 19;

// Runs the restore window modally over a session, with the session's
// initial entry chosen. The window: TfmRestoreTree; tests: a script.
class RestoreChooser {
 public:
  virtual ~RestoreChooser() = default;
  virtual void Run(RestoreSession& session) = 0;
};

enum class StartupLoad {
  Loaded,             // the current tree file
  RecoveredFromAuto,  // after an unclean exit, "tree.auto" (information 24)
  RestoreWindow,      // the tree file was damaged; the restore window ran
  DamagedNoBackup,    // the tree file was damaged, no backup (error 27); empty catalogue
  OutlineImported,    // no tree file; "menu.list" imported
  MissingList,        // neither (information 26); empty catalogue
};

struct StartupLoadResult {
  StartupLoad outcome = StartupLoad::Loaded;
  // RestoreWindow only: what the window decided and whether a backup was
  // restored. EndProgram: the program ends at once, nothing is saved.
  RestoreDecision restoreDecision = RestoreDecision::Continue;
  bool treeRestored = false;
  // OutlineImported: OutlineImportProblems and what was left out.
  bool outlineImportProblems = false;
  OutlineImportResult outline;
  // DamagedNoBackup: where the damaged tree file was kept (empty when it
  // could not be, or not on a fixed disk).
  std::filesystem::path damagedCopy;

  bool EndProgram() const {
    return outcome == StartupLoad::RestoreWindow && restoreDecision == RestoreDecision::EndProgram;
  }
  bool OutlineImported() const { return outcome == StartupLoad::OutlineImported; }
};

struct StartupPlatform {
  Disk& disk;
  Clock& clock;
  Prompter& prompter;
  RestoreChooser& restoreChooser;
  // Runs before each line of an outline import (the window processes
  // pending messages there). Optional.
  std::function<void()> beforeEachOutlineLine;
};

// Start-up loading. currentTreeFileName (a file name in BaseDir, UTF-8)
// becomes "tree.info" after a successful load or restore. The journal gets
// its first entry after a successful load. The caller shows the status
// counts afterwards. Throws IoError when a start-up backup cannot be
// written, or (after the backups were written) when the journal's first
// snapshot could not be; the catalogue is loaded either way.
StartupLoadResult LoadCatalogueAtStartup(const Dirs& dirs, const StartupPlatform& platform, bool wasRunning,
                                         std::string& currentTreeFileName, Catalogue& catalogue,
                                         UndoJournal& journal);

}  // namespace lrv
