#pragma once
// The texts of the undo journal: one entry per recorded state,
//   number "^" operation name "~" detail text
// and the detail texts each editing command writes. The separators are
// ForbiddenTitleChars, so titles never contain them and the fields split
// without ambiguity. Entries, operation names and details are
// Windows-1251 bytes (details carry catalogue titles).

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace lrv {

// The operations the journal knows. Startup is the first entry after a
// successful start-up load; its name is empty.
enum class JournalOp {
  Startup,
  AddCategory,
  AddSubcategory,
  AddArticle,
  Delete,
  Rename,
  ArticleProperties,
  Move,
  MarkArticle,
  LoadTree,
  ClearTree,
};

// The operation's name as stored in an entry (Windows-1251).
const std::string& JournalOperationName(JournalOp op);

// Field access. EntryNumber is -1 for an entry that is blank, has no "^"
// or no number before it. EntryOperation is empty unless the trimmed entry
// holds "^" and a "~" after it. EntryDetail is the text after the first "~".
int EntryNumber(std::string_view entry);
std::string EntryOperation(std::string_view entry);
std::string EntryDetail(std::string_view entry);
// The index of the first entry with that number; -1 when none.
int EntryIndexOfNumber(const std::vector<std::string>& entries, int number);

// ---- Detail texts, written by the commands after their change.
// Levels are one decimal digit: 0 category, 1 subcategory, 2 article.

// "Добавление подкатегории": new title "*" category title.
std::string AddSubcategoryDetail(std::string_view newTitle, std::string_view categoryTitle);
// "Добавление статьи": new title "*" subcategory title.
std::string AddArticleDetail(std::string_view newTitle, std::string_view subcategoryTitle);
// "Удаление": title "*" level "`" parent title (empty for a category).
std::string DeleteDetail(std::string_view title, int level, std::string_view parentTitle);
// "Изменение заголовка": old "*" new "`" level "*" parent title.
std::string RenameDetail(std::string_view oldTitle, std::string_view newTitle, int level,
                         std::string_view parentTitle);
// "Изменение свойств статьи": old title "*" new title.
std::string ArticlePropertiesDetail(std::string_view oldTitle, std::string_view newTitle);
// "Перемещение": title "*" level.
std::string MoveDetail(std::string_view title, int level);
// "Загрузка дерева" and "Очистка дерева", taken before the change: the
// number of selected nodes, "*", and when one is selected the first
// selected node's title, "`" and its level.
std::string TreeSelectionDetail(const Catalogue& catalogue);

}  // namespace lrv
