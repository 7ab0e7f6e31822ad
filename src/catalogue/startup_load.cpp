#include "catalogue/startup_load.h"

#include <exception>
#include <system_error>

#include "base/files.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/message_text.h"
#include "catalogue/tree_file.h"

namespace lrv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRecoveredText =
    "В Н И М А Н И Е\n\r\n\rВ прошлый раз программа была закрыта некорректно!\n\rДанные не утеряны! Дерево статей "
    "загружено из резервной копии!";
constexpr int kRecoveredHelp = 24;
constexpr std::string_view kDamagedNoBackupText =
    "В Н И М А Н И Е\n\r\n\rФайл, в котором находится список статей, повреждён!\n\rПрограммой не обнаружены "
    "резервные копии!\n\rВы должны будете составить список статей заново!...";
// Added as the last line when the damaged file was kept.
constexpr std::string_view kDamagedKeptLine = "Повреждённый файл сохранён как \"%s\"";
constexpr int kDamagedNoBackupHelp = 27;
constexpr std::string_view kMissingListText =
    "В Н И М А Н И Е\n\r\n\rПо умолчанию программа распространяется со списком статей по Orvel\n\rСейчас этот "
    "список не обнаружен!\n\r\n\rПрограмма работу не прерывает!\n\rВы сможете составить свой список статей, "
    "подключить свою документацию!\n\r\n\rФайл \"%s\" должен находиться в каталоге \"%s\"!\n\r\n\rВозможно, Вы "
    "запустили программу до извлечения статей из архивов!\n\rТогда необходимо начать сначала!";
constexpr int kMissingListHelp = 26;

constexpr std::string_view kChooseFirstText = "Для восстановления дерева статей нужно выбрать резервную копию из списка!";
constexpr int kChooseFirstHelp = 76;
constexpr std::string_view kRestoredText = "Дерево статей было успешно восстановлено!";
constexpr int kRestoredHelp = 77;
constexpr std::string_view kRestoreFailedText =
    "Не получилось восстановить дерево статей!\n\rПопробуйте выбрать другую резервную копию!";
constexpr int kRestoreFailedHelp = 78;
constexpr std::string_view kNotRestoredQuestion =
    "Список статей не был восстановлен!\n\rХотите заполнить дерево статей самостоятельно?";
constexpr int kNotRestoredHelp = 75;

// The damaged tree file would be replaced by the empty catalogue at
// shutdown; a copy beside it keeps whatever can still be rescued from it.
// Empty when the copy could not be made.
fs::path KeepDamagedTreeFile(const fs::path& treeFile) {
  fs::path copy = treeFile;
  copy += std::string(kDamagedSuffix);
  const auto bytes = ReadFile(treeFile);
  if (!bytes) return {};
  try {
    MakeWritable(copy);
    WriteFileAtomic(copy, *bytes);
  } catch (const IoError&) {
    return {};
  }
  return copy;
}

}  // namespace

RestoreSession::RestoreSession(Catalogue& catalogue, Prompter& prompter, std::vector<BackupEntry> entries)
    : catalogue_(catalogue), prompter_(prompter), entries_(std::move(entries)) {}

RestoreSession::RestoreResult RestoreSession::btRestoreClick(int chosen) {
  if (chosen < 0 || chosen >= static_cast<int>(entries_.size())) return RestoreResult::NothingChosen;
  const BackupEntry& entry = entries_[static_cast<std::size_t>(chosen)];
  if (entry.label.empty()) {
    prompter_.Inform(std::string(kChooseFirstText), kChooseFirstHelp);
    return RestoreResult::ChooseFirst;
  }
  if (!LoadTree(catalogue_, entry.file)) {
    prompter_.Error(std::string(kRestoreFailedText), kRestoreFailedHelp);
    return RestoreResult::Failed;
  }
  prompter_.Inform(std::string(kRestoredText), kRestoredHelp);
  treeRestored_ = true;
  RecountChildren(catalogue_);
  return RestoreResult::Restored;
}

bool RestoreSession::btOkClick() {
  if (!treeRestored_ && !prompter_.Confirm(std::string(kNotRestoredQuestion), kNotRestoredHelp)) return false;
  decision_ = RestoreDecision::Continue;
  return true;
}

void RestoreSession::btCancelClick() { decision_ = RestoreDecision::EndProgram; }

StartupLoadResult LoadCatalogueAtStartup(const Dirs& dirs, const StartupPlatform& platform, bool wasRunning,
                                         std::string& currentTreeFileName, Catalogue& catalogue,
                                         UndoJournal& journal) {
  StartupLoadResult result;
  Prompter& prompter = platform.prompter;
  const fs::path treeFile = dirs.BaseFile(currentTreeFileName);

  if (IsRegularFile(treeFile)) {
    const fs::path autoCopy = dirs.BaseFile(kTreeAutoName);
    bool loaded = false;
    if (wasRunning && IsRegularFile(autoCopy) && LoadTree(catalogue, autoCopy)) {
      prompter.Inform(std::string(kRecoveredText), kRecoveredHelp);
      result.outcome = StartupLoad::RecoveredFromAuto;
      loaded = true;
    } else {
      loaded = LoadTree(catalogue, treeFile);
    }

    if (loaded) {
      // A snapshot that cannot be written costs the undo history, not the
      // start-up backups: they are written first, the error reported after.
      std::exception_ptr journalError;
      try {
        journal.RecordJournalEntry(catalogue, JournalOp::Startup);
      } catch (const IoError&) {
        journalError = std::current_exception();
      }
      RecountChildren(catalogue);
      // Shutdown saves to "tree.info" even when the command line named another file.
      currentTreeFileName = kTreeInfoName;
      WriteStartupBackups(catalogue, dirs, platform.disk, platform.clock);
      if (journalError) std::rethrow_exception(journalError);
      return result;
    }

    std::vector<BackupEntry> backups = ListBackups(dirs);
    if (backups.empty()) {
      result.outcome = StartupLoad::DamagedNoBackup;
      std::string message(kDamagedNoBackupText);
      if (platform.disk.IsOnFixedDisk()) result.damagedCopy = KeepDamagedTreeFile(treeFile);
      if (!result.damagedCopy.empty())
        message += "\n\r" + FillPlaceholders(kDamagedKeptLine, {DisplayFileName(result.damagedCopy)});
      prompter.Error(message, kDamagedNoBackupHelp);
      catalogue.Clear();
      return result;
    }

    result.outcome = StartupLoad::RestoreWindow;
    RestoreSession session(catalogue, prompter, std::move(backups));
    platform.restoreChooser.Run(session);
    result.restoreDecision = session.Decision();
    result.treeRestored = session.TreeRestored();
    if (result.treeRestored) currentTreeFileName = kTreeInfoName;
    if (result.restoreDecision == RestoreDecision::Continue && !result.treeRestored) catalogue.Clear();
    return result;
  }

  const fs::path outline = dirs.BaseFile(kOutlineListName);
  if (IsRegularFile(outline)) {
    result.outline = ImportOutlineList(catalogue, outline, dirs.baseDir, prompter, platform.beforeEachOutlineLine);
    if (result.outline.imported) {
      result.outcome = StartupLoad::OutlineImported;
      result.outlineImportProblems = result.outline.problems;
      return result;
    }
  }

  result.outcome = StartupLoad::MissingList;
  prompter.Inform(FillPlaceholders(kMissingListText, {currentTreeFileName, DisplayFileName(dirs.baseDir)}),
                  kMissingListHelp);
  return result;
}

}  // namespace lrv
