#include "search/result_views.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "base/files.h"
#include "catalogue/columns.h"
#include "editing/note_file.h"

namespace lrv {
namespace {

struct ViewName {
  ResultView view;
  std::string_view name;
};
constexpr std::array<ViewName, 9> kViewNames{{
    {ResultView::Favourite, "favourite"},
    {ResultView::New, "new"},
    {ResultView::Read, "read"},
    {ResultView::NotRead, "unread"},
    {ResultView::Index, "index"},
    {ResultView::WithNote, "with-note"},
    {ResultView::WithoutNote, "without-note"},
    {ResultView::Viewed, "viewed"},
    {ResultView::NotViewed, "not-viewed"},
}};

bool HasNote(const Dirs& dirs, const CatalogueNode& article) {
  const auto note = NoteFileForArticle(dirs, article.Value(ColFileName));
  return note && IsRegularFile(*note);
}

}  // namespace

std::string_view ResultViewName(ResultView view) {
  for (const ViewName& v : kViewNames)
    if (v.view == view) return v.name;
  return {};
}

std::optional<ResultView> ResultViewByName(std::string_view name) {
  for (const ViewName& v : kViewNames)
    if (v.name == name) return v.view;
  return std::nullopt;
}

bool ArticleInView(const Dirs& dirs, ResultView view, const CatalogueNode& article) {
  const std::string& state = article.Value(ColState);
  const std::string& look = article.Value(ColLook);
  switch (view) {
    case ResultView::Favourite: return state == kStateFavourite;
    case ResultView::New: return state == kStateNew;
    case ResultView::Read: return state == kStateRead;
    case ResultView::NotRead: return state == kStateNotRead;
    case ResultView::Index: return true;
    case ResultView::WithNote: return HasNote(dirs, article);
    case ResultView::WithoutNote: return !HasNote(dirs, article);
    case ResultView::Viewed: return look == kLookedYes;
    case ResultView::NotViewed: return look.empty();
  }
  return false;
}

void RunResultView(const Catalogue& catalogue, const Dirs& dirs, ResultView view, ResultList& list,
                   SearchProgress& progress, SearchHandover& handover) {
  ClearResultList(list);
  handover.lastSearchInText = false;
  const int count = catalogue.RootCount();
  for (int i = 0; i < count; ++i) {
    const CatalogueNode* category = catalogue.Root(i);
    progress.Category(i + 1, count, category->Title(), category->ChildCount());
    for (int j = 0; j < category->ChildCount(); ++j) {
      progress.Subcategory(j + 1);
      for (const CatalogueNode* article : category->Child(j)->Children())
        if (ArticleInView(dirs, view, *article)) AddResultRow(*article, list);
    }
  }
}

}  // namespace lrv
