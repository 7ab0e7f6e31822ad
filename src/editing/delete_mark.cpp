#include "editing/delete_mark.h"

#include <set>
#include <system_error>
#include <unordered_map>

#include "base/files.h"
#include "base/text.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/journal_entries.h"
#include "catalogue/message_text.h"
#include "editing/count_column.h"
#include "editing/note_file.h"

namespace lrv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDeleteOneQuestion = "Вы действительно хотите удалить\n\r\"%s\"?";
constexpr int kDeleteOneHelp = 41;
constexpr std::string_view kDeleteManyQuestion = "Удалить выделенные узлы [%s] дерева?";
constexpr int kDeleteManyHelp = 40;

// The pages of the articles at or below a node, within the three levels.
void CollectArticleFiles(const CatalogueNode* node, std::vector<std::string>& files) {
  if (node->IsArticle()) {
    files.push_back(node->Value(ColFileName));
  } else if (node->IsSubcategory()) {
    for (const CatalogueNode* article : node->Children()) files.push_back(article->Value(ColFileName));
  } else if (node->IsCategory()) {
    for (const CatalogueNode* sub : node->Children())
      for (const CatalogueNode* article : sub->Children()) files.push_back(article->Value(ColFileName));
  }
}

void DeleteNotesOf(const std::vector<std::string>& files, const Catalogue& remaining, const Dirs& dirs) {
  std::set<fs::path> notes;
  for (const std::string& file : files)
    if (auto note = NoteFileForArticle(dirs, file)) notes.insert(std::move(*note));
  if (notes.empty()) return;
  // Notes are keyed by the file name: one still used by an article that
  // stays in the catalogue is that article's note too.
  ForEachArticle(remaining, [&](const CatalogueNode* article) {
    if (auto note = NoteFileForArticle(dirs, article->Value(ColFileName))) notes.erase(*note);
  });
  for (const fs::path& note : notes) {
    std::error_code ec;
    if (!fs::is_regular_file(note, ec)) continue;
    MakeWritable(note);
    fs::remove(note, ec);  // a note that cannot be deleted stays, silently
  }
}

}  // namespace

bool DeleteEnabled(const Catalogue& catalogue, bool treeInView) {
  return catalogue.SelectedCount() >= 1 && treeInView;
}

std::optional<std::string> DeleteCommandCaption(const Catalogue& catalogue) {
  const CatalogueNode* first = catalogue.SelectedNode(0);
  if (first == nullptr) return std::nullopt;
  const int count = catalogue.SelectedCount();
  static constexpr std::string_view kOne[] = {"&Удалить категорию", "&Удалить подкатегорию", "&Удалить статью"};
  static constexpr std::string_view kMany[] = {"&Удалить категории [%s]", "&Удалить подкатегории [%s]",
                                               "&Удалить статьи [%s]"};
  const int level = first->Depth();
  if (level < 0 || level > 2) return std::nullopt;
  if (count == 1) return std::string(kOne[level]);
  return FillPlaceholders(kMany[level], {text::IntToStr(count)});
}

bool DeleteSelected(Catalogue& catalogue, UndoJournal& journal, Prompter& prompter, const Dirs& dirs, Disk& disk) {
  const int count = catalogue.SelectedCount();
  if (count < 1) return false;
  CatalogueNode* first = catalogue.SelectedNode(0);
  const bool confirmed =
      count == 1 ? prompter.Confirm(FillPlaceholders(kDeleteOneQuestion, {text::Cp1251ToUtf8(first->Title())}),
                                    kDeleteOneHelp)
                 : prompter.Confirm(FillPlaceholders(kDeleteManyQuestion, {text::IntToStr(count)}), kDeleteManyHelp);
  if (!confirmed) return false;

  const std::vector<CatalogueNode*> doomed(catalogue.Selection().begin(), catalogue.Selection().end());
  CatalogueNode* parent = first->Parent();
  std::vector<std::string> files;
  for (const CatalogueNode* node : doomed) CollectArticleFiles(node, files);
  const int level = first->Depth();
  const std::string detail = DeleteDetail(first->Title(), level, parent != nullptr ? parent->Title() : std::string());
  {
    CatalogueBatch batch(catalogue);
    // Only categories and subcategories carry a count.
    if (parent != nullptr && level <= 2) ChangeCount(catalogue, parent, -count, count);
    for (CatalogueNode* node : doomed) catalogue.DeleteNode(node);
  }
  if (disk.IsOnFixedDisk()) DeleteNotesOf(files, catalogue, dirs);
  journal.RecordJournalEntry(catalogue, JournalOp::Delete, detail);
  return true;
}

MarkResult MarkSelected(Catalogue& catalogue, ResultList* results, UndoJournal& journal, std::string_view state) {
  MarkResult result;
  if (catalogue.SelectedCount() == 0) return result;
  const std::string title = catalogue.SelectedNode(0)->Title();

  // The first row of each file name, so a long selection is one pass.
  std::unordered_map<std::string, int> rowOfFile;
  if (results != nullptr)
    for (int i = static_cast<int>(results->rows.size()) - 1; i >= 0; --i)
      rowOfFile[results->rows[static_cast<std::size_t>(i)].Value(ColFileName)] = i;

  const std::vector<CatalogueNode*> selected(catalogue.Selection().begin(), catalogue.Selection().end());
  {
    CatalogueBatch batch(catalogue);
    for (CatalogueNode* node : selected) {
      catalogue.SetValue(node, ColState, state);
      // Categories and subcategories have no file: they match no row.
      const std::string& file = node->Value(ColFileName);
      if (results != nullptr && !file.empty()) {
        if (const auto row = rowOfFile.find(file); row != rowOfFile.end()) {
          results->rows[static_cast<std::size_t>(row->second)].SetValue(ColState, state);
          result.changedRows.push_back(row->second);
        }
      }
      RefreshNodeImage(catalogue, node);
    }
  }
  result.marked = true;
  journal.RecordJournalEntry(catalogue, JournalOp::MarkArticle, title);
  return result;
}

MarkResult MarkSelectedResults(Catalogue& catalogue, ResultList& results, std::span<const int> selectedRows,
                               UndoJournal& journal, std::string_view state) {
  MarkResult result;
  std::vector<int> rows;
  for (int row : selectedRows)
    if (row >= 0 && static_cast<std::size_t>(row) < results.rows.size()) rows.push_back(row);
  if (rows.empty()) return result;
  const std::string title = results.rows[static_cast<std::size_t>(rows.front())].Value(ColTitle);

  // Keys are copies: setting a state may grow a node's value list and move
  // its texts.
  std::unordered_map<std::string, CatalogueNode*> articleOfFile;
  ForEachArticle(catalogue, [&](CatalogueNode* article) {
    articleOfFile.try_emplace(article->Value(ColFileName), article);
  });
  {
    CatalogueBatch batch(catalogue);
    for (int row : rows) {
      ResultRow& r = results.rows[static_cast<std::size_t>(row)];
      r.SetValue(ColState, state);
      result.changedRows.push_back(row);
      const std::string& file = r.Value(ColFileName);
      // An empty file name is no article's page: nothing to mirror.
      if (file.empty()) continue;
      if (const auto found = articleOfFile.find(file); found != articleOfFile.end()) {
        catalogue.SetValue(found->second, ColState, state);
        RefreshNodeImage(catalogue, found->second);
      }
    }
  }
  result.marked = true;
  journal.RecordJournalEntry(catalogue, JournalOp::MarkArticle, title);
  return result;
}

}  // namespace lrv
