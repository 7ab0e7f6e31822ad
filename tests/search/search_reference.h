#pragma once
// The search pass written the plain way, line by line as the search window
// defines it: each page split into lines, ContainsWord on every line, the
// catalogue walked with the category and state marks. Slow, but easy to
// check by eye; the fast pass is compared against it.

#include <string>
#include <string_view>
#include <vector>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "catalogue/catalogue.h"
#include "catalogue/columns.h"
#include "search/search_pass.h"
#include "search/stem.h"
#include "search/words.h"

namespace lrv::reference {

inline std::vector<std::string> Words(const SearchQuery& q) {
  std::vector<std::string> words;
  if (q.kind == SearchKind::ExactPhrase) {
    words.push_back(q.text);
  } else {
    const std::string joined = ExtractWords(q.text);
    std::string word;
    for (char c : joined) {
      if (c == '\r') words.push_back(word), word.clear();
      else word += c;
    }
  }
  if (q.stem)
    for (auto& w : words) w = StemWord(w);
  return words;
}

inline bool TextMatches(SearchKind kind, const std::vector<std::string>& words, const std::vector<std::string>& lines,
                        bool caseSensitive, bool whole) {
  auto inSomeLine = [&](const std::string& word) {
    for (const auto& line : lines)
      if (ContainsWord(word, line, caseSensitive, whole)) return true;
    return false;
  };
  if (kind == SearchKind::ExactPhrase) return inSomeLine(words.front());
  if (kind == SearchKind::AllWords) {
    for (const auto& w : words)
      if (!inSomeLine(w)) return false;
    return true;
  }
  for (const auto& w : words)
    if (inSomeLine(w)) return true;
  return false;
}

inline bool Allowed(const SearchQuery& q, const CatalogueNode& category) {
  for (const auto& item : q.categories)
    if (text::Lower(item.title) == text::Lower(category.Title())) return item.checked;
  return false;
}

inline bool StateOk(const SearchQuery& q, const std::string& state) {
  if (state == "1") return q.stateAllowed[0];
  if (state == "2") return q.stateAllowed[1];
  if (state == "3") return q.stateAllowed[2];
  if (state.empty()) return q.stateAllowed[3];
  return false;
}

// `ArticleMatches` for one title and file name.
inline bool ArticleMatches(const SearchQuery& q, const Dirs& dirs, const std::string& title, const std::string& file) {
  const auto words = Words(q);
  const bool caseSensitive = q.caseSensitive && !q.stem;
  if (!q.inText) return TextMatches(q.kind, words, {title}, caseSensitive, q.wholeWords);
  const auto lines = ReadLines(StoredNameToPath(dirs.baseDir, file));
  if (!lines) return false;
  return TextMatches(q.kind, words, *lines, caseSensitive, q.wholeWords);
}

// File names of the articles the search over the catalogue finds, in order.
inline std::vector<std::string> SearchFiles(const Catalogue& catalogue, const Dirs& dirs, const SearchQuery& q) {
  std::vector<std::string> found;
  for (const CatalogueNode* category : catalogue.Roots()) {
    if (!Allowed(q, *category)) continue;
    for (const CatalogueNode* sub : category->Children())
      for (const CatalogueNode* article : sub->Children())
        if (StateOk(q, article->Value(ColState)) &&
            ArticleMatches(q, dirs, article->Title(), article->Value(ColFileName)))
          found.push_back(article->Value(ColFileName));
  }
  return found;
}

}  // namespace lrv::reference
