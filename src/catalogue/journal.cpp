#include "catalogue/journal.h"

#include <system_error>

#include "base/files.h"
#include "base/text.h"
#include "catalogue/backups.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/selection.h"
#include "catalogue/tree_file.h"

namespace lrv {
namespace {

// The fields of a detail text, split at the first separator.
struct Split {
  std::string_view before;
  std::string_view after;
};

Split SplitAt(std::string_view text, char separator) {
  const std::size_t at = text.find(separator);
  if (at == std::string_view::npos) return {text, {}};
  return {text.substr(0, at), text.substr(at + 1)};
}

bool Blank(std::string_view s) { return text::Trim(s).empty(); }

}  // namespace

UndoJournal::UndoJournal(Dirs dirs, Disk& disk) : dirs_(std::move(dirs)), disk_(disk) {}

void UndoJournal::Reset() {
  entries_.clear();
  current_ = -1;
  counter_ = 0;
}

std::filesystem::path UndoJournal::SnapshotPath(int number) const {
  return dirs_.TempDir() / (text::IntToStr(number) + ".tmp");
}

std::filesystem::path UndoJournal::AutoCopyPath() const { return dirs_.BaseFile(kTreeAutoName); }

void UndoJournal::SaveAutoCopy(const Catalogue& catalogue) const {
  const auto path = AutoCopyPath();
  MakeWritable(path);
  SaveTree(catalogue, path);
}

void UndoJournal::DiscardEntriesAfterCurrent() {
  const int last = static_cast<int>(entries_.size()) - 1;
  if (current_ < 0 || current_ >= last) return;
  while (static_cast<int>(entries_.size()) > current_ + 1) {
    const auto next = entries_.begin() + current_ + 1;
    const int number = EntryNumber(*next);
    if (number >= 0) {
      const auto snapshot = SnapshotPath(number);
      MakeWritable(snapshot);
      std::error_code ec;
      std::filesystem::remove(snapshot, ec);  // a leftover file is never read again
    }
    entries_.erase(next);
  }
}

void UndoJournal::RecordJournalEntry(const Catalogue& catalogue, JournalOp op, std::string_view detail) {
  if (!disk_.IsOnFixedDisk()) return;
  DiscardEntriesAfterCurrent();
  const int number = ++counter_;
  // The snapshot first: an entry whose snapshot is missing could never be
  // returned to, and undoing past it would lose the states before it.
  EnsureFolder(dirs_.TempDir());
  const auto snapshot = SnapshotPath(number);
  MakeWritable(snapshot);
  SaveTree(catalogue, snapshot);

  std::string entry = text::IntToStr(number);
  entry += '^';
  entry += JournalOperationName(op);
  entry += '~';
  entry += detail;
  entries_.push_back(std::move(entry));
  current_ = static_cast<int>(entries_.size()) - 1;
  SaveAutoCopy(catalogue);
}

void UndoJournal::RestoreJournalEntry(Catalogue& catalogue, const std::string& entry, const std::string& undone,
                                      ResultList* results) {
  const int number = EntryNumber(entry);
  const int index = EntryIndexOfNumber(entries_, number);
  if (index < 0) return;
  const auto snapshot = SnapshotPath(number);
  {
    CatalogueBatch batch(catalogue);
    // LoadTree leaves the catalogue as it was when the snapshot is missing
    // or damaged; then the journal stays where it was too.
    if (!LoadTree(catalogue, snapshot)) throw IoError(snapshot, "Cannot load the undo snapshot");
    current_ = index;
    const bool undo = !Blank(undone);
    const std::string& source = undo ? undone : entry;
    SelectAfterRestore(catalogue, EntryOperation(source), EntryDetail(source), undo, results);
    RecountChildren(catalogue);
  }
  // Saved last, so the copy holds what is shown, viewed marks included.
  SaveAutoCopy(catalogue);
}

bool UndoJournal::Undo(Catalogue& catalogue, ResultList* results) {
  const int i = current_;
  if (i - 1 < 0 || i >= static_cast<int>(entries_.size()) || Blank(entries_[i - 1])) return false;
  // Copies: the restore reads them while the list may not change, but
  // keeps no reference into it.
  const std::string target = entries_[i - 1];
  const std::string undone = entries_[i];
  RestoreJournalEntry(catalogue, target, undone, results);
  return true;
}

bool UndoJournal::Redo(Catalogue& catalogue, ResultList* results) {
  const int next = current_ + 1;
  if (next < 0 || next >= static_cast<int>(entries_.size()) || Blank(entries_[next])) return false;
  const std::string target = entries_[next];
  RestoreJournalEntry(catalogue, target, std::string(), results);
  return true;
}

bool UndoJournal::CanUndo(bool treeInView) const {
  if (entries_.size() < 2 || !treeInView) return false;
  return current_ > 0;
}

bool UndoJournal::CanRedo(bool treeInView) const {
  if (entries_.size() < 2 || !treeInView) return false;
  return current_ < static_cast<int>(entries_.size()) - 1;
}

std::vector<HistoryItem> UndoJournal::HistoryBack() const {
  std::vector<HistoryItem> items;
  if (entries_.size() < 2) return items;
  for (int i = std::min(current_, static_cast<int>(entries_.size()) - 1); i >= 1; --i) {
    const std::string& entry = entries_[static_cast<std::size_t>(i)];
    if (Blank(entry)) continue;
    items.push_back({text::Cp1251ToUtf8(EntryOperation(entry)), EntryNumber(entry)});
  }
  return items;
}

std::vector<HistoryItem> UndoJournal::HistoryForward() const {
  std::vector<HistoryItem> items;
  const int last = static_cast<int>(entries_.size()) - 1;
  if (entries_.size() < 2 || current_ >= last) return items;
  for (int i = std::max(current_ + 1, 0); i <= last; ++i) {
    const std::string& entry = entries_[static_cast<std::size_t>(i)];
    if (Blank(entry)) continue;
    items.push_back({text::Cp1251ToUtf8(EntryOperation(entry)), EntryNumber(entry)});
  }
  return items;
}

bool UndoJournal::ClickHistoryItem(Catalogue& catalogue, HistoryMenu menu, int number, ResultList* results) {
  const int k = EntryIndexOfNumber(entries_, number);
  if (menu == HistoryMenu::Back) {
    if (k < 1) return false;
    const std::string target = entries_[static_cast<std::size_t>(k - 1)];
    const std::string undone = entries_[static_cast<std::size_t>(k)];
    RestoreJournalEntry(catalogue, target, undone, results);
    return true;
  }
  if (k < 0) return false;
  const std::string target = entries_[static_cast<std::size_t>(k)];
  RestoreJournalEntry(catalogue, target, std::string(), results);
  return true;
}

void SelectAfterRestore(Catalogue& catalogue, std::string_view operation, std::string_view detail, bool undo,
                        ResultList* results) {
  auto is = [operation](JournalOp op) { return operation == JournalOperationName(op); };
  const Split first = SplitAt(detail, '*');

  if (is(JournalOp::AddCategory)) {
    if (!undo) SelectCategoryByTitle(catalogue, detail, false);
  } else if (is(JournalOp::AddSubcategory)) {
    // detail: new subcategory "*" category
    if (undo)
      SelectCategoryByTitle(catalogue, first.after, true);
    else
      SelectSubcategoryByTitle(catalogue, first.before, false);
  } else if (is(JournalOp::AddArticle)) {
    // detail: new article "*" subcategory
    if (undo)
      SelectSubcategoryByTitle(catalogue, first.after, true);
    else
      SelectArticleByTitle(catalogue, first.before);
  } else if (is(JournalOp::Delete)) {
    // detail: title "*" level "`" parent
    const Split levelAndParent = SplitAt(first.after, '`');
    const int level = text::StrToIntDef(levelAndParent.before, 0);
    if (undo) {
      SelectByLevel(catalogue, level, first.before);
    } else if (level == 1) {
      SelectCategoryByTitle(catalogue, levelAndParent.after, true);
    } else if (level == 2) {
      SelectSubcategoryByTitle(catalogue, levelAndParent.after, true);
    }
  } else if (is(JournalOp::Rename)) {
    // detail: old "*" new "`" level "*" parent
    const Split newAndRest = SplitAt(first.after, '`');
    const int level = text::StrToIntDef(SplitAt(newAndRest.after, '*').before, 0);
    SelectByLevel(catalogue, level, undo ? first.before : newAndRest.before);
  } else if (is(JournalOp::ArticleProperties)) {
    // detail: old "*" new
    SelectArticleByTitle(catalogue, undo ? first.before : first.after);
  } else if (is(JournalOp::Move)) {
    // detail: title "*" level
    const int level = text::StrToIntDef(first.after, 1);
    if (level == 1)
      SelectSubcategoryByTitle(catalogue, first.before, false);
    else if (level == 2)
      SelectArticleByTitle(catalogue, first.before);
  } else if (is(JournalOp::MarkArticle)) {
    SelectArticleByTitle(catalogue, detail);
    if (results != nullptr) CopyStatesIntoResultList(catalogue, *results);
  } else if (is(JournalOp::LoadTree) || is(JournalOp::ClearTree)) {
    // detail: count "*" title "`" level
    if (undo && text::StrToIntDef(first.before, 0) > 0) {
      const Split titleAndLevel = SplitAt(first.after, '`');
      SelectByLevel(catalogue, text::StrToIntDef(titleAndLevel.after, 0), titleAndLevel.before);
    }
  }
}

}  // namespace lrv
