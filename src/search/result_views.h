#pragma once
// Filling the result list: rows appended one by one, and the filtered
// views that list the articles of one state, with or without a note,
// viewed or not, or every article.

#include <optional>
#include <string_view>

#include "base/paths.h"
#include "catalogue/catalogue.h"
#include "catalogue/result_list.h"
#include "search/search_pass.h"

namespace lrv {

// `ClearResultList`: removes every row.
inline void ClearResultList(ResultList& list) { list.rows.clear(); }
// `AddResultRow` without the count update (the window repaints and counts).
inline void AddResultRow(const CatalogueNode& node, ResultList& list) { list.rows.push_back(ResultRowOf(node)); }

enum class ResultView {
  Favourite,    // state "1"
  New,          // state "2"
  Read,         // state "3"
  NotRead,      // state exactly ""
  Index,        // every article ("Указатель")
  WithNote,     // the note file exists
  WithoutNote,  // no note file
  Viewed,       // viewed column exactly "yes"
  NotViewed,    // viewed column exactly ""
};

// The view's name on the command line ("favourite", "index", "with-note"…),
// and back; nullopt for an unknown name.
std::string_view ResultViewName(ResultView view);
std::optional<ResultView> ResultViewByName(std::string_view name);

// Whether an article belongs to the view.
bool ArticleInView(const Dirs& dirs, ResultView view, const CatalogueNode& article);

// Runs a view: clears the list and appends every article of the view in
// catalogue order, reporting categories and subcategories to the progress
// (a view cannot be cancelled: Cancelled and Found are not called). Rows
// opened from a view are never highlighted, so the handover's
// LastSearchInText becomes false.
void RunResultView(const Catalogue& catalogue, const Dirs& dirs, ResultView view, ResultList& list,
                   SearchProgress& progress, SearchHandover& handover);

}  // namespace lrv
