#include "catalogue/journal_entries.h"

#include <array>

#include "base/text.h"

namespace lrv {

const std::string& JournalOperationName(JournalOp op) {
  static const std::array<std::string, 11> kNames = {
      std::string(),
      text::Ansi("Добавление категории"),
      text::Ansi("Добавление подкатегории"),
      text::Ansi("Добавление статьи"),
      text::Ansi("Удаление"),
      text::Ansi("Изменение заголовка"),
      text::Ansi("Изменение свойств статьи"),
      text::Ansi("Перемещение"),
      text::Ansi("Маркировка статьи"),
      text::Ansi("Загрузка дерева"),
      text::Ansi("Очистка дерева"),
  };
  return kNames[static_cast<std::size_t>(op)];
}

int EntryNumber(std::string_view entry) {
  if (text::Trim(entry).empty()) return -1;
  const std::size_t caret = entry.find('^');
  if (caret == std::string_view::npos) return -1;
  return text::StrToIntDef(entry.substr(0, caret), -1);
}

std::string EntryOperation(std::string_view entry) {
  if (text::Trim(entry).empty()) return {};
  const std::size_t caret = entry.find('^');
  if (caret == std::string_view::npos) return {};
  const std::size_t tilde = entry.find('~');
  if (tilde == std::string_view::npos || tilde < caret) return {};
  return std::string(entry.substr(caret + 1, tilde - caret - 1));
}

std::string EntryDetail(std::string_view entry) {
  const std::size_t tilde = entry.find('~');
  if (tilde == std::string_view::npos) return {};
  return std::string(entry.substr(tilde + 1));
}

int EntryIndexOfNumber(const std::vector<std::string>& entries, int number) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (EntryNumber(entries[i]) == number) return static_cast<int>(i);
  return -1;
}

namespace {

std::string Join(std::string_view a, char separator, std::string_view b) {
  std::string out(a);
  out.push_back(separator);
  out.append(b);
  return out;
}

}  // namespace

std::string AddSubcategoryDetail(std::string_view newTitle, std::string_view categoryTitle) {
  return Join(newTitle, '*', categoryTitle);
}

std::string AddArticleDetail(std::string_view newTitle, std::string_view subcategoryTitle) {
  return Join(newTitle, '*', subcategoryTitle);
}

std::string DeleteDetail(std::string_view title, int level, std::string_view parentTitle) {
  return Join(Join(title, '*', text::IntToStr(level)), '`', parentTitle);
}

std::string RenameDetail(std::string_view oldTitle, std::string_view newTitle, int level,
                         std::string_view parentTitle) {
  return Join(Join(Join(oldTitle, '*', newTitle), '`', text::IntToStr(level)), '*', parentTitle);
}

std::string ArticlePropertiesDetail(std::string_view oldTitle, std::string_view newTitle) {
  return Join(oldTitle, '*', newTitle);
}

std::string MoveDetail(std::string_view title, int level) { return Join(title, '*', text::IntToStr(level)); }

std::string TreeSelectionDetail(const Catalogue& catalogue) {
  std::string detail = text::IntToStr(catalogue.SelectedCount()) + "*";
  if (const CatalogueNode* first = catalogue.SelectedNode(0))
    detail += Join(first->Title(), '`', text::IntToStr(first->Depth()));
  return detail;
}

}  // namespace lrv
