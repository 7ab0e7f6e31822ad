#pragma once
// The search pass: which articles of the catalogue (or of the rows already
// found) match a query, appended to the result list in catalogue order.
// The search window collects the query and drives a progress window
// through SearchProgress; the command-line tool runs the same pass.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"
#include "catalogue/catalogue.h"
#include "catalogue/result_list.h"
#include "search/highlight_page.h"

namespace lrv {

enum class SearchKind { ExactPhrase = 1, AllWords = 2, AnyWord = 3 };

// The four items of "Искать среди статей", in their order.
enum class SearchState { Favourite, New, Read, NotRead };

struct CategoryItem {
  std::string title;
  bool checked = true;
};

struct SearchQuery {
  std::string text;  // as typed (Windows-1251)
  // The kind the window shows: a query of fewer than two words is always
  // searched as an exact phrase (EffectiveKind).
  SearchKind kind = SearchKind::ExactPhrase;
  bool inText = false;         // "Только в заголовках" unchecked
  bool stem = true;            // "Искать похожие слова"
  bool wholeWords = false;     // "Слова целиком"
  bool caseSensitive = false;  // "Учитывать регистр"; in force only without stem
  // The items of "Искать в категориях" in list order (CheckAllCategories
  // fills them as the window opens).
  std::vector<CategoryItem> categories;
  bool stateAllowed[4] = {true, true, true, true};  // by SearchState
  // "Искать в найденном", checked and enabled: search only the rows the
  // result list held, ignoring categories and states.
  bool inFoundRows = false;
  // Reader threads for page text; 0 chooses by the machine's cores.
  int threads = 0;
};

// The query kind the window selects for a text: exact phrase below two
// words, else the preferred kind.
SearchKind EffectiveKind(std::string_view text, SearchKind preferred);

// Fills `categories` with every category title in catalogue order, all
// checked (the window's initial state).
void CheckAllCategories(const Catalogue& catalogue, SearchQuery& query);

// `CategoryAllowed`: false when no item has this title, else the mark of
// the first item equal to it without case.
bool CategoryAllowed(const SearchQuery& query, std::string_view title);
// `StateAllowed`: "1" favourite, "2" new, "3" read, "" not read; any other
// state text is never allowed.
bool StateAllowed(const SearchQuery& query, std::string_view state);

// What the pass tells the progress window, and how it learns of Esc.
class SearchProgress {
 public:
  virtual ~SearchProgress() = default;
  // An allowed category starts: position 1..count among all categories.
  virtual void Category(int /*position*/, int /*count*/, std::string_view /*title*/, int /*subcategories*/) {}
  virtual void Subcategory(int /*position*/) {}
  // Search in found rows: row position 1..count, its title.
  virtual void Row(int /*position*/, int /*count*/, std::string_view /*title*/) {}
  // A row was appended; `count` rows are in the list now.
  virtual void Found(const ResultRow& /*row*/, int /*count*/) {}
  // Polled before each article is tested and while waiting for a page:
  // the window lets pending messages run here and answers whether Esc
  // was pressed. Once it says yes the pass stops.
  virtual bool Cancelled() { return false; }
};

// The words a search matches against, as the pass prepares them.
struct SearchNeedles {
  SearchKind kind = SearchKind::ExactPhrase;
  // The phrase alone for an exact phrase, else the words; stems when
  // stemming is on. A stem may be empty: it is never found.
  std::vector<std::string> words;
  bool caseSensitive = false;  // effective: only without stemming
  bool wholeWords = false;
};

// The query turned into needles: the effective kind, the words of a word
// query (significant unique words), stems when stemming is on. nullopt
// when there is nothing to search: a blank query, or a word query of stop
// words and single letters only. An exact phrase is kept as typed, spaces
// included (stemming trims it).
std::optional<SearchNeedles> PrepareNeedles(const SearchQuery& query);

// `ArticleMatches` for a title.
bool TitleMatches(const SearchNeedles& needles, std::string_view title);
// `ArticleMatches` for page text: the page's bytes as read.
bool PageTextMatches(const SearchNeedles& needles, std::string_view page);

// What the highlighter gets from the last search: `HighlightWords` with
// `HighlightCaseSensitive` and `HighlightWholeWords`, and `LastSearchInText`.
struct SearchHandover {
  HighlightQuery highlight;
  bool lastSearchInText = false;
};

struct SearchOutcome {
  bool ran = false;        // false: nothing to search, the list untouched
  bool cancelled = false;  // Esc stopped the pass; the rows found so far stay
  // Set when the pass got as far as handing over (an empty catalogue stops
  // it before); the main window keeps it for the highlighter.
  std::optional<SearchHandover> handover;
};

// The search: nothing when PrepareNeedles finds nothing to search; else
// clears `results` and appends the matching articles in
// catalogue order (or the matching rows of the list it held, for a search
// in found rows). A missing or unreadable page never matches.
SearchOutcome RunSearch(const Catalogue& catalogue, const Dirs& dirs, const SearchQuery& query,
                        ResultList& results, SearchProgress& progress);

}  // namespace lrv
