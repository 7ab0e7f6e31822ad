#include "catalogue/tree_commands.h"

#include <algorithm>
#include <system_error>

#include "base/files.h"
#include "base/text.h"
#include "catalogue/backups.h"
#include "catalogue/folder_tree.h"
#include "catalogue/message_text.h"
#include "catalogue/tree_file.h"

namespace lrv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDamagedRestoredText =
    "Файл, в котором находится список статей, повреждён!\n\rСейчас будет восстановлена прежняя структура дерева...";
constexpr int kDamagedRestoredHelp = 45;
constexpr std::string_view kDamagedText = "Файл, в котором находится список статей, повреждён!";
constexpr int kDamagedHelp = 46;
constexpr std::string_view kBackupFolderText = "Все резервные копии должны располагаться в каталоге\n\r\"%s\"";
constexpr int kBackupFolderHelp = 39;
constexpr std::string_view kClearQuestion = "В Н И М А Н И Е\n\rВы действительно хотите полностью очистить дерево?";
constexpr int kClearHelp = 48;
constexpr std::string_view kDeleteNotesQuestion =
    "Удалить все сделанные к статьям примечания БЕЗ ВОЗМОЖНОСТИ ВОССТАНОВЛЕНИЯ?";
constexpr int kDeleteNotesHelp = 49;
constexpr std::string_view kNotesNotDeletedText = "Не получилось удалить каталог\n\r\"%s\"!";
constexpr int kNotesNotDeletedHelp = 50;
constexpr std::string_view kPageOutsideBaseText =
    "Присваиваемый статье файл\n\r\"%s\"\n\r\n\rдолжен располагаться в каталоге\n\r\"%s\"";
constexpr int kPageOutsideBaseHelp = 51;
constexpr std::string_view kUnknownFormatText = "Этот формат файлов не используется!";
constexpr int kUnknownFormatHelp = 52;
constexpr std::string_view kOneFileText = "Перетаскивать файлы в программу нужно по одному!";
constexpr int kOneFileHelp = 53;

std::string BaseDirText(const Dirs& dirs) { return DisplayFileName(dirs.baseDir); }

fs::path WithoutTrailingSeparator(fs::path p) {
  p = p.lexically_normal();
  if (!p.has_filename() && p.has_parent_path() && p != p.root_path()) p = p.parent_path();
  return p;
}

}  // namespace

TreeFileLoad LoadTreeFile(Catalogue& catalogue, const fs::path& file, const Dirs& dirs, Disk& disk,
                          Prompter& prompter) {
  if (!disk.IsOnFixedDisk()) return TreeFileLoad::Skipped;
  // Read before the safety copy is written: the file chosen may be
  // "tree.auto" itself, which the copy would otherwise replace unread.
  TreeReadResult read = ReadTreeFile(file);
  const fs::path autoCopy = dirs.BaseFile(kTreeAutoName);
  MakeWritable(autoCopy);
  SaveTree(catalogue, autoCopy);
  if (read.ok) {
    catalogue.ReplaceWith(std::move(read.catalogue));
    return TreeFileLoad::Loaded;
  }
  if (IsRegularFile(autoCopy)) {
    prompter.Error(std::string(kDamagedRestoredText), kDamagedRestoredHelp);
    // The catalogue is still the one just saved; reading the copy back
    // makes sure the two are the same.
    LoadTree(catalogue, autoCopy);
    return TreeFileLoad::Restored;
  }
  prompter.Error(std::string(kDamagedText), kDamagedHelp);
  return TreeFileLoad::Damaged;
}

TreeFileLoad TreeLoadCommand(Catalogue& catalogue, UndoJournal& journal, const fs::path& file, const Dirs& dirs,
                             Disk& disk, Prompter& prompter) {
  const std::string detail = TreeSelectionDetail(catalogue);
  const TreeFileLoad result = LoadTreeFile(catalogue, file, dirs, disk, prompter);
  journal.RecordJournalEntry(catalogue, JournalOp::LoadTree, detail);
  return result;
}

bool IsBaseDirFolder(const fs::path& folder, const Dirs& dirs) {
  std::error_code ec;
  const bool same = fs::equivalent(folder, dirs.baseDir, ec);
  if (!ec) return same;
  return WithoutTrailingSeparator(folder) == WithoutTrailingSeparator(dirs.baseDir);
}

bool SaveUserBackup(const Catalogue& catalogue, const fs::path& file, const Dirs& dirs, Disk& disk,
                    Prompter& prompter) {
  if (!disk.IsOnFixedDisk()) return false;
  if (!IsBaseDirFolder(file.parent_path(), dirs)) {
    prompter.Warn(FillPlaceholders(kBackupFolderText, {BaseDirText(dirs)}), kBackupFolderHelp);
    return false;
  }
  MakeWritable(file);
  SaveTree(catalogue, file);
  return true;
}

bool TreeClearCommand(Catalogue& catalogue, UndoJournal& journal, const Dirs& dirs, Prompter& prompter) {
  if (catalogue.RootCount() < 1) return false;
  if (!prompter.Confirm(std::string(kClearQuestion), kClearHelp)) return false;
  const std::string detail = TreeSelectionDetail(catalogue);
  catalogue.Clear();
  journal.RecordJournalEntry(catalogue, JournalOp::ClearTree, detail);

  std::error_code ec;
  if (fs::is_directory(dirs.NotesDir(), ec)) AskAndDeleteNotesFolder(dirs, prompter);
  return true;
}

std::optional<bool> AskAndDeleteNotesFolder(const Dirs& dirs, Prompter& prompter) {
  if (!prompter.Confirm(std::string(kDeleteNotesQuestion), kDeleteNotesHelp)) return std::nullopt;
  const fs::path notes = dirs.NotesDir();
  if (DeleteFolderTree(notes, prompter)) return true;
  prompter.Error(FillPlaceholders(kNotesNotDeletedText, {DisplayFileName(notes)}), kNotesNotDeletedHelp);
  return false;
}

bool TreeLoadEnabled(bool treeInView) { return treeInView; }
bool TreeSaveEnabled(bool treeInView, const Catalogue& catalogue) { return treeInView && catalogue.RootCount() > 0; }
bool TreeClearEnabled(bool treeInView, const Catalogue& catalogue) {
  return treeInView && catalogue.RootCount() > 0;
}

std::string DroppedExtension(const fs::path& file) {
  const std::string name = AnsiFileName(file.filename());
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return {};
  return text::Lower(text::Trim(std::string_view(name).substr(dot)));
}

DropDecision DecideDrop(const std::vector<fs::path>& files, const Dirs& dirs) {
  DropDecision decision;
  if (files.size() != 1) return decision;
  decision.file = files.front();
  static constexpr std::string_view kTreeTypes[] = {".first", ".last", ".info", ".day", ".auto", ".tree"};
  static constexpr std::string_view kPageTypes[] = {".html", ".htm", ".shtml", ".shtm", ".xml", ".mht"};
  const std::string extension = DroppedExtension(decision.file);
  auto among = [&extension](const auto& list) {
    return std::find(std::begin(list), std::end(list), extension) != std::end(list);
  };
  if (among(kTreeTypes)) {
    decision.action = DropAction::LoadTree;
  } else if (among(kPageTypes)) {
    if (IsBaseDirFolder(decision.file.parent_path(), dirs)) {
      decision.action = DropAction::AddArticle;
      decision.articleFile = AnsiFileName(decision.file.filename());
    } else {
      decision.action = DropAction::PageOutsideBase;
    }
  } else {
    decision.action = DropAction::UnknownFormat;
  }
  return decision;
}

DropDecision HandleDroppedFiles(const std::vector<fs::path>& files, Catalogue& catalogue, const Dirs& dirs,
                                Disk& disk, Prompter& prompter) {
  const DropDecision decision = DecideDrop(files, dirs);
  switch (decision.action) {
    case DropAction::LoadTree:
      LoadTreeFile(catalogue, decision.file, dirs, disk, prompter);
      break;
    case DropAction::AddArticle:
      break;
    case DropAction::PageOutsideBase:
      prompter.Inform(
          FillPlaceholders(kPageOutsideBaseText, {DisplayFileName(decision.file.filename()), BaseDirText(dirs)}),
          kPageOutsideBaseHelp);
      break;
    case DropAction::UnknownFormat:
      prompter.Warn(std::string(kUnknownFormatText), kUnknownFormatHelp);
      break;
    case DropAction::NotOneFile:
      prompter.Inform(std::string(kOneFileText), kOneFileHelp);
      break;
  }
  return decision;
}

}  // namespace lrv
