#include "editing/move.h"

#include "catalogue/selection.h"

#include "base/text.h"
#include "catalogue/journal_entries.h"
#include "editing/add_article.h"
#include "editing/add_category.h"
#include "editing/catalogue_clone.h"
#include "editing/count_column.h"
#include "editing/fit_text.h"
#include "editing/titles.h"

namespace lrv {
namespace {

constexpr std::string_view kOneSubcategoryText =
    "Перемещение не может быть произведено, т.к. есть только одна подкатегория";
constexpr int kOneSubcategoryHelp = 44;
constexpr std::string_view kOneCategoryText = "Перемещение не может быть произведено, т.к. есть только одна категория";
constexpr int kOneCategoryHelp = 43;

// Closes the progress window however the move ends.
class ProgressWindow {
 public:
  explicit ProgressWindow(MoveProgress* progress) : progress_(progress) {
    if (progress_ != nullptr) progress_->Open(std::string(kMoveCaption));
  }
  ~ProgressWindow() {
    if (progress_ != nullptr) progress_->Close();
  }
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  void Maximum(int bar, int maximum) {
    if (progress_ != nullptr) progress_->SetMaximum(bar, maximum);
  }
  void Position(int bar, int position) {
    if (progress_ != nullptr) progress_->SetPosition(bar, position);
  }
  // lbStatus: "i из n".
  void Step(int i, int n) {
    if (progress_ != nullptr) progress_->SetStatus(text::IntToStr(i) + " из " + text::IntToStr(n));
  }
  // lbText, fitted to the label (the title is Windows-1251).
  void Text(std::string_view ansi) {
    if (progress_ == nullptr) return;
    MoveProgress* p = progress_;
    progress_->SetText(FitTextToWidth(text::Cp1251ToUtf8(ansi), p->TextWidth(),
                                      [p](std::string_view utf8) { return p->MeasureText(utf8); }));
  }

 private:
  MoveProgress* progress_;
};

std::string WithCount(std::string caption, int count) {
  if (count > 1) caption += " [" + text::IntToStr(count) + "]";
  return caption;
}

const std::string& EntryAt(const std::vector<std::string>& entries, int index) {
  static const std::string kNone;
  return index >= 0 && static_cast<std::size_t>(index) < entries.size() ? entries[static_cast<std::size_t>(index)]
                                                                        : kNone;
}

// Each article re-created under the chosen subcategory.
bool MoveArticles(Catalogue& catalogue, const std::vector<CatalogueNode*>& nodes, const MoveSetup& setup,
                  const std::string& category, const std::string& subcategory, ProgressWindow& window) {
  const int n = static_cast<int>(nodes.size());
  window.Maximum(1, n);
  window.Maximum(2, n);
  for (int i = 1; i <= n; ++i) {
    CatalogueNode* node = nodes[static_cast<std::size_t>(i - 1)];
    window.Position(1, i);
    window.Position(2, i);
    window.Step(i, n);
    // Copies: the node goes when it is re-created.
    const std::string title = node->Title();
    const std::string state = node->Value(ColState);
    const std::string file = node->Value(ColFileName);
    window.Text(title);
    if (!UpdateArticle(catalogue, node, title, i == n, state, file, setup.presentSubcategory, category, subcategory))
      return false;
  }
  return true;
}

// Each subcategory re-created with its articles under the chosen
// category; the marked originals go at the end.
bool MoveSubcategories(Catalogue& catalogue, const std::vector<CatalogueNode*>& nodes, const std::string& category,
                       ProgressWindow& window) {
  const int n = static_cast<int>(nodes.size());
  for (CatalogueNode* sub : nodes)
    catalogue.SetValue(sub, ColTitle, std::string(kForDeleteMarker) + sub->Title());
  window.Maximum(1, n);
  for (int i = 1; i <= n; ++i) {
    CatalogueNode* old = nodes[static_cast<std::size_t>(i - 1)];
    const std::string title = old->Title().substr(kForDeleteMarker.size());
    const std::vector<CatalogueNode*> articles(old->Children().begin(), old->Children().end());
    const int m = static_cast<int>(articles.size());
    window.Position(1, i);
    window.Maximum(2, m);
    window.Position(2, 0);
    window.Step(i, n);
    CatalogueNode* copy = AddSubcategoryNode(catalogue, title, category, false);
    if (copy == nullptr) return false;
    for (int j = 1; j <= m; ++j) {
      const CatalogueNode* article = articles[static_cast<std::size_t>(j - 1)];
      window.Position(2, j);
      window.Text(title + " - " + article->Title());
      const bool last = i == n && j == m;
      const CatalogueNode* added = AddArticleNode(catalogue, article->Title(), title, last, article->Value(ColState),
                                                  article->Value(ColFileName), category);
      // The lookup by title must land in the copy just made; anything else
      // (a clash with another subcategory's title) would scatter the move.
      if (added == nullptr || added->Parent() != copy) return false;
    }
  }
  for (CatalogueNode* old : nodes) {
    ChangeCount(catalogue, old->Parent(), -1, 1);
    catalogue.DeleteNode(old);
  }
  return true;
}

}  // namespace

bool MoveEnabled(const Catalogue& catalogue, bool treeInView) {
  const CatalogueNode* first = catalogue.SelectedNode(0);
  return first != nullptr && treeInView && !first->IsCategory();
}

std::optional<MoveSetup> PrepareMove(const Catalogue& catalogue, Prompter& prompter) {
  const CatalogueNode* first = catalogue.SelectedNode(0);
  if (first == nullptr || !(first->IsArticle() || first->IsSubcategory())) return std::nullopt;
  if (first->IsArticle() && SubcategoryCount(catalogue) == 1) {
    prompter.Inform(std::string(kOneSubcategoryText), kOneSubcategoryHelp);
    return std::nullopt;
  }
  if (first->IsSubcategory() && catalogue.RootCount() < 2) {
    prompter.Inform(std::string(kOneCategoryText), kOneCategoryHelp);
    return std::nullopt;
  }

  MoveSetup setup;
  setup.caption = WithCount(std::string(kMoveCaption), catalogue.SelectedCount());
  const CatalogueNode* sub = first->IsArticle() ? first->Parent() : first;
  const CatalogueNode* category = sub->Parent();
  for (const CatalogueNode* c : catalogue.Roots())
    if (first->IsSubcategory() || c->ChildCount() > 0) setup.categories.push_back(c->Title());
  SortChoices(setup.categories);
  setup.chosenCategory = ChoiceIndex(setup.categories, category->Title());
  if (setup.chosenCategory < 0 && !setup.categories.empty()) setup.chosenCategory = 0;
  setup.presentCategory = EntryAt(setup.categories, setup.chosenCategory);

  if (first->IsSubcategory()) {
    setup.kind = MoveKind::Subcategories;
    setup.showSubcategories = false;
    return setup;
  }
  setup.kind = MoveKind::Articles;
  FillSubcategoryList(catalogue, setup.presentCategory, setup.subcategories);
  SortChoices(setup.subcategories);
  if (!setup.subcategories.empty()) {
    setup.chosenSubcategory = ChoiceIndex(setup.subcategories, sub->Title());
    if (setup.chosenSubcategory < 0) setup.chosenSubcategory = 0;
    setup.presentSubcategory = EntryAt(setup.subcategories, setup.chosenSubcategory);
  }
  return setup;
}

bool FindSubcategoryEnabled(const Catalogue& catalogue) { return !catalogue.Empty(); }

MoveSetup PrepareFindSubcategory(const Catalogue& catalogue) {
  MoveSetup setup;
  setup.kind = MoveKind::Articles;
  setup.caption = "Найти подкатегорию";
  for (const CatalogueNode* c : catalogue.Roots()) setup.categories.push_back(c->Title());
  SortChoices(setup.categories);
  if (setup.categories.empty()) return setup;
  setup.chosenCategory = 0;
  setup.presentCategory = setup.categories.front();
  FillSubcategoryList(catalogue, setup.presentCategory, setup.subcategories);
  SortChoices(setup.subcategories);
  if (!setup.subcategories.empty()) {
    setup.chosenSubcategory = 0;
    setup.presentSubcategory = setup.subcategories.front();
  }
  return setup;
}

CatalogueNode* FindSubcategoryChosen(Catalogue& catalogue, const MoveChoice& choice) {
  if (!choice.subcategory) return nullptr;
  return SelectSubcategoryByTitle(catalogue, *choice.subcategory, false);
}

MoveOutcome MoveSelected(Catalogue& catalogue, UndoJournal& journal, const MoveSetup& setup, const MoveChoice& choice,
                         MoveProgress* progress) {
  const std::vector<CatalogueNode*> nodes(catalogue.Selection().begin(), catalogue.Selection().end());
  if (nodes.empty()) return MoveOutcome::Unchanged;
  const CatalogueNode* first = nodes.front();
  const bool articles = setup.kind == MoveKind::Articles;
  if (first->Depth() != (articles ? 2 : 1)) return MoveOutcome::Unchanged;
  if (!choice.category || (articles && !choice.subcategory)) return MoveOutcome::Unchanged;
  if (SameTitle(*choice.category, setup.presentCategory) &&
      (!articles || SameTitle(*choice.subcategory, setup.presentSubcategory)))
    return MoveOutcome::Unchanged;

  const std::string title = first->Title();
  const int level = first->Depth();
  Catalogue before = CloneCatalogue(catalogue);
  bool moved = false;
  {
    ProgressWindow window(progress);
    CatalogueBatch batch(catalogue);
    try {
      moved = articles ? MoveArticles(catalogue, nodes, setup, *choice.category, *choice.subcategory, window)
                       : MoveSubcategories(catalogue, nodes, *choice.category, window);
    } catch (...) {
      catalogue.ReplaceWith(std::move(before));
      throw;
    }
    if (!moved) catalogue.ReplaceWith(std::move(before));
  }
  if (!moved) return MoveOutcome::Failed;
  journal.RecordJournalEntry(catalogue, JournalOp::Move, MoveDetail(title, level));
  return MoveOutcome::Moved;
}

}  // namespace lrv
