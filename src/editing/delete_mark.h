#pragma once
// Deleting the selected nodes of the tree (acDelArticleOrCat) and marking
// the selected articles of the tree or of the result list with a state
// (the four marking commands, MarkSelected).
//
// After a deletion the caller shows the status counts again
// (UpdateStatusCounts).

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"
#include "catalogue/catalogue.h"
#include "catalogue/journal.h"
#include "catalogue/result_list.h"
#include "platform/disk.h"
#include "platform/prompter.h"

namespace lrv {

// ---- Deleting

// acDelArticleOrCatUpdate: enabled with a selection while the tree is shown.
bool DeleteEnabled(const Catalogue& catalogue, bool treeInView);
// Its caption by the first selected node's level and the number selected
// (UTF-8): "&Удалить статью", "&Удалить статьи [2]" and so on. nullopt
// with nothing selected: the caption stays as it was.
std::optional<std::string> DeleteCommandCaption(const Catalogue& catalogue);

// acDelArticleOrCatExecute. Asks (confirmation 41 for one node with its
// title, 40 for several with their number); on OK lowers the common
// parent's count by the number deleted, deletes the selected nodes with
// everything below them and the notes of the articles that went, and
// records "Удаление". Notes are deleted only on a fixed disk, and a note
// that an article still in the catalogue uses (same file name) is kept.
// The articles' pages in BaseDir are never touched. True when deleted.
bool DeleteSelected(Catalogue& catalogue, UndoJournal& journal, Prompter& prompter, const Dirs& dirs, Disk& disk);

// ---- Marking

// The four marking commands: action name, caption, hint, shortcut (UTF-8)
// and the state they set.
struct MarkCommand {
  std::string_view name;
  std::string_view caption;
  std::string_view hint;
  std::string_view shortcut;
  std::string_view state;
};
inline constexpr MarkCommand kMarkCommands[] = {
    {"acCheckFavorite", "&избранную", "Отметить статью как избранную", "Ctrl+1", "1"},
    {"acCheckNew", "&новую", "Отметить статью как новую", "Ctrl+2", "2"},
    {"acCheckReaded", "&прочитанную", "Отметить статью как прочитанную", "Ctrl+3", "3"},
    {"acCheckNonReaded", "н&епрочитанную", "Отметить статью как непрочитанную", "Ctrl+4", ""},
};

struct MarkResult {
  bool marked = false;            // something was selected: states set, journal entry recorded
  std::vector<int> changedRows;   // rows of the result list whose state was set (for their images)
};

// The tree page ("Menu" active): every selected node of the tree takes the
// state, in selection order; the first row of `results` with the same file
// name (exact) takes it too; the nodes' images are refreshed. Records
// "Маркировка статьи" with the first selected node's title.
MarkResult MarkSelected(Catalogue& catalogue, ResultList* results, UndoJournal& journal, std::string_view state);

// The results page: the rows at `selectedRows` (selection order) take the
// state, and so does the first article (tree order) with the same file
// name, collapsed or not. Records "Маркировка статьи" with the first
// selected row's title. Indexes out of range are skipped.
MarkResult MarkSelectedResults(Catalogue& catalogue, ResultList& results, std::span<const int> selectedRows,
                               UndoJournal& journal, std::string_view state);

}  // namespace lrv
