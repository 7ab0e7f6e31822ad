#include "search/search_pass.h"

#include <algorithm>
#include <memory>

#include "base/text.h"
#include "catalogue/columns.h"
#include "search/line_scan.h"
#include "search/page_matcher.h"
#include "search/stem.h"
#include "search/words.h"

namespace lrv {

SearchKind EffectiveKind(std::string_view text, SearchKind preferred) {
  return ExtractWordList(text).size() < 2 ? SearchKind::ExactPhrase : preferred;
}

void CheckAllCategories(const Catalogue& catalogue, SearchQuery& query) {
  query.categories.clear();
  for (const CatalogueNode* category : catalogue.Roots()) query.categories.push_back({category->Title(), true});
}

bool CategoryAllowed(const SearchQuery& query, std::string_view title) {
  for (const CategoryItem& item : query.categories)
    if (text::EqualsNoCase(item.title, title)) return item.checked;
  return false;
}

bool StateAllowed(const SearchQuery& query, std::string_view state) {
  if (state == kStateFavourite) return query.stateAllowed[static_cast<int>(SearchState::Favourite)];
  if (state == kStateNew) return query.stateAllowed[static_cast<int>(SearchState::New)];
  if (state == kStateRead) return query.stateAllowed[static_cast<int>(SearchState::Read)];
  if (state == kStateNotRead) return query.stateAllowed[static_cast<int>(SearchState::NotRead)];
  return false;
}

std::optional<SearchNeedles> PrepareNeedles(const SearchQuery& query) {
  if (text::Trim(query.text).empty()) return std::nullopt;
  SearchNeedles needles;
  needles.kind = query.kind;
  needles.caseSensitive = query.caseSensitive && !query.stem;  // the case box is disabled while stemming
  needles.wholeWords = query.wholeWords;
  if (query.kind == SearchKind::ExactPhrase) {
    needles.words.push_back(query.text);  // as typed, spaces included
  } else {
    needles.words = ExtractWordList(query.text);
    if (needles.words.empty()) return std::nullopt;
  }
  if (query.stem)
    for (std::string& word : needles.words) word = StemWord(word);
  return needles;
}

namespace {

// ContainsWord over titles without copying each title: the needles are
// folded once, each title into one reused buffer.
class TitleTest {
 public:
  explicit TitleTest(const SearchNeedles& needles) : kind_(needles.kind), needles_(needles) {
    if (!needles_.caseSensitive)
      for (std::string& word : needles_.words) text::LowerInPlace(word);
  }

  bool Matches(std::string_view title) {
    std::string_view text = title;
    if (!needles_.caseSensitive) {
      folded_.assign(title);
      text::LowerInPlace(folded_);
      text = folded_;
    }
    const auto contains = [&](const std::string& word) {
      return ContainsWordLowered(word, text, needles_.wholeWords);
    };
    const auto& words = needles_.words;
    switch (kind_) {
      case SearchKind::ExactPhrase: return !words.empty() && contains(words.front());
      case SearchKind::AllWords: return !words.empty() && std::all_of(words.begin(), words.end(), contains);
      case SearchKind::AnyWord: return std::any_of(words.begin(), words.end(), contains);
    }
    return false;
  }

 private:
  SearchKind kind_;
  SearchNeedles needles_;
  std::string folded_;
};

// One article or row to test, in the order the pass visits them.
struct Candidate {
  const std::string* title;
  const std::string* file;
};

// Answers for the candidates in order: titles on this thread, page text
// through the page matcher.
class CandidateTester {
 public:
  CandidateTester(const SearchNeedles& needles, bool inText, const Dirs& dirs,
                  const std::vector<Candidate>& candidates, int threads)
      : candidates_(candidates), titles_(needles) {
    if (!inText) return;
    std::vector<const std::string*> files;
    files.reserve(candidates.size());
    for (const Candidate& c : candidates) files.push_back(c.file);
    pages_ = std::make_unique<PageMatcher>(needles, dirs, std::move(files), threads);
  }

  // nullopt: cancelled before this candidate was tested.
  std::optional<bool> Next(SearchProgress& progress) {
    const std::size_t k = next_++;
    if (pages_) return pages_->Wait(k, progress);
    if (progress.Cancelled()) return std::nullopt;
    return titles_.Matches(*candidates_[k].title);
  }

 private:
  const std::vector<Candidate>& candidates_;
  TitleTest titles_;
  std::unique_ptr<PageMatcher> pages_;
  std::size_t next_ = 0;
};

void Append(ResultList& results, ResultRow row, SearchProgress& progress) {
  results.rows.push_back(std::move(row));
  progress.Found(results.rows.back(), static_cast<int>(results.rows.size()));
}

bool SearchFoundRows(const std::vector<ResultRow>& previous, const SearchNeedles& needles, const SearchQuery& query,
                     const Dirs& dirs, ResultList& results, SearchProgress& progress) {
  std::vector<Candidate> candidates;
  candidates.reserve(previous.size());
  for (const ResultRow& row : previous) candidates.push_back({&row.Value(ColTitle), &row.Value(ColFileName)});
  CandidateTester tester(needles, query.inText, dirs, candidates, query.threads);
  const int count = static_cast<int>(previous.size());
  for (int i = 0; i < count; ++i) {
    progress.Row(i + 1, count, previous[i].Value(ColTitle));
    const auto matches = tester.Next(progress);
    if (!matches) return false;
    if (*matches) Append(results, previous[i], progress);
  }
  return true;
}

bool SearchCatalogue(const Catalogue& catalogue, const SearchNeedles& needles, const SearchQuery& query,
                     const Dirs& dirs, ResultList& results, SearchProgress& progress) {
  // The same walk twice: first the candidates, so pages can be read ahead;
  // then in order, for the progress window and the rows.
  std::vector<Candidate> candidates;
  for (const CatalogueNode* category : catalogue.Roots()) {
    if (!CategoryAllowed(query, category->Title())) continue;
    for (const CatalogueNode* sub : category->Children())
      for (const CatalogueNode* article : sub->Children())
        if (StateAllowed(query, article->Value(ColState)))
          candidates.push_back({&article->Value(ColTitle), &article->Value(ColFileName)});
  }
  CandidateTester tester(needles, query.inText, dirs, candidates, query.threads);
  const int categoryCount = catalogue.RootCount();
  for (int i = 0; i < categoryCount; ++i) {
    const CatalogueNode* category = catalogue.Root(i);
    if (!CategoryAllowed(query, category->Title())) continue;
    progress.Category(i + 1, categoryCount, category->Title(), category->ChildCount());
    for (int j = 0; j < category->ChildCount(); ++j) {
      progress.Subcategory(j + 1);
      for (const CatalogueNode* article : category->Child(j)->Children()) {
        if (!StateAllowed(query, article->Value(ColState))) continue;
        const auto matches = tester.Next(progress);
        if (!matches) return false;
        if (*matches) Append(results, ResultRowOf(*article), progress);
      }
    }
  }
  return true;
}

}  // namespace

bool TitleMatches(const SearchNeedles& needles, std::string_view title) { return TitleTest(needles).Matches(title); }

bool PageTextMatches(const SearchNeedles& needles, std::string_view page) {
  std::string copy(page);
  return PageTest(needles).Matches(copy.data(), copy.size());
}

SearchOutcome RunSearch(const Catalogue& catalogue, const Dirs& dirs, const SearchQuery& query, ResultList& results,
                        SearchProgress& progress) {
  SearchOutcome outcome;
  const auto needles = PrepareNeedles(query);
  if (!needles) return outcome;
  outcome.ran = true;
  std::vector<ResultRow> previous;
  if (query.inFoundRows) previous = std::move(results.rows);
  results.rows.clear();
  if (catalogue.Empty()) return outcome;  // before the handover: nothing was searched

  SearchHandover handover;
  handover.lastSearchInText = query.inText;
  handover.highlight.words = needles->words;
  handover.highlight.caseSensitive = needles->caseSensitive;
  handover.highlight.wholeWords = needles->wholeWords;
  outcome.handover = std::move(handover);

  const bool completed = query.inFoundRows
                             ? SearchFoundRows(previous, *needles, query, dirs, results, progress)
                             : SearchCatalogue(catalogue, *needles, query, dirs, results, progress);
  outcome.cancelled = !completed;
  return outcome;
}

}  // namespace lrv
