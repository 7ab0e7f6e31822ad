#include "editing/rename.h"

#include "base/text.h"
#include "editing/titles.h"

namespace lrv {
namespace {

// What the uniqueness rule says of a checked, non-blank new title.
enum class TitleVerdict { Identical, CaseOnly, Exists, Free };

TitleVerdict JudgeNewTitle(const Catalogue& catalogue, const CatalogueNode& node, std::string_view newTitle) {
  if (newTitle == node.Title()) return TitleVerdict::Identical;
  // The node's own title, also a stored one with stray blanks, is no clash.
  if (SameTitle(newTitle, node.Title())) return TitleVerdict::CaseOnly;
  if (TitleExistsAtLevel(catalogue, node.Depth(), newTitle)) return TitleVerdict::Exists;
  return TitleVerdict::Free;
}

void ReportExisting(Prompter& prompter, int level) {
  switch (level) {
    case 0: prompter.Inform(std::string(kCategoryExistsText), kCategoryExistsHelp); break;
    case 1: prompter.Inform(std::string(kSubcategoryExistsText), kSubcategoryExistsHelp); break;
    case 2: prompter.Inform(std::string(kArticleExistsText), kArticleExistsHelp); break;
    default: break;
  }
}

}  // namespace

std::string_view RenamePrompt(int level) {
  switch (level) {
    case 0: return "Заголовок категории";
    case 1: return "Заголовок подкатегории";
    case 2: return "Заголовок статьи";
    default: return {};
  }
}

void ApplyRename(Catalogue& catalogue, UndoJournal& journal, CatalogueNode* node, std::string_view newTitle) {
  const std::string oldTitle = node->Title();
  const int level = node->Depth();
  catalogue.SetValue(node, ColTitle, newTitle);
  catalogue.Sort();
  const CatalogueNode* parent = node->Parent();
  const std::string parentTitle = level >= 1 && parent != nullptr ? parent->Title() : std::string();
  journal.RecordJournalEntry(catalogue, JournalOp::Rename, RenameDetail(oldTitle, newTitle, level, parentTitle));
}

RenameOutcome RenameByInputBox(Catalogue& catalogue, UndoJournal& journal, Prompter& prompter) {
  if (catalogue.SelectedCount() != 1) return RenameOutcome::NotApplicable;
  CatalogueNode* node = catalogue.SelectedNode(0);
  const int level = node->Depth();
  const auto entered = prompter.Input(std::string(kRenameCaption), std::string(RenamePrompt(level)),
                                      text::Cp1251ToUtf8(node->Title()));
  if (!entered) return RenameOutcome::Cancelled;
  if (TrimmedUtf8(*entered).empty()) return RenameOutcome::Unchanged;
  const std::optional<std::string> title = TypedText(*entered);
  if (!title || !TitleIsValid(*title)) {
    prompter.Warn(std::string(kInvalidTitleText), kInvalidTitleHelp);
    return RenameOutcome::Refused;
  }
  switch (JudgeNewTitle(catalogue, *node, *title)) {
    case TitleVerdict::Identical: return RenameOutcome::Unchanged;
    case TitleVerdict::Exists: ReportExisting(prompter, level); return RenameOutcome::Refused;
    case TitleVerdict::CaseOnly:
    case TitleVerdict::Free: break;
  }
  ApplyRename(catalogue, journal, node, *title);
  return RenameOutcome::Renamed;
}

RenameOutcome RenameByTitleBox(Catalogue& catalogue, UndoJournal& journal, std::string& boxText) {
  boxText = TrimmedUtf8(boxText);
  if (boxText.empty()) return RenameOutcome::Unchanged;
  const std::optional<std::string> title = TypedText(boxText);
  if (!title || !TitleIsValid(*title)) return RenameOutcome::Refused;
  if (catalogue.SelectedCount() != 1) return RenameOutcome::NotApplicable;
  CatalogueNode* node = catalogue.SelectedNode(0);
  switch (JudgeNewTitle(catalogue, *node, *title)) {
    case TitleVerdict::Identical: return RenameOutcome::Unchanged;
    case TitleVerdict::Exists: return RenameOutcome::Refused;
    case TitleVerdict::CaseOnly:
    case TitleVerdict::Free: break;
  }
  ApplyRename(catalogue, journal, node, *title);
  return RenameOutcome::Renamed;
}

}  // namespace lrv
