#include "search/search_history.h"

#include <algorithm>

#include "base/files.h"
#include "base/text.h"

namespace lrv {

std::filesystem::path SearchHistoryPath(const Dirs& dirs) { return dirs.baseDir / std::string(kSearchHistoryFile); }

std::optional<std::vector<std::string>> LoadSearchHistory(const Dirs& dirs) {
  return ReadLines(SearchHistoryPath(dirs));
}

void AddToSearchHistory(std::vector<std::string>& history, std::string_view query) {
  const bool known = std::any_of(history.begin(), history.end(),
                                 [&](const std::string& entry) { return text::EqualsNoCase(entry, query); });
  if (known) return;
  history.insert(history.begin(), std::string(query));
  if (history.size() > kSearchHistoryLimit) history.pop_back();
}

void SaveSearchHistory(const Dirs& dirs, const std::vector<std::string>& history, bool onFixedDisk) {
  if (history.empty() || !onFixedDisk) return;
  const auto path = SearchHistoryPath(dirs);
  MakeWritable(path);
  const std::size_t count = std::min(history.size(), kSearchHistoryLimit);
  WriteLinesAtomic(path, std::vector<std::string>(history.begin(), history.begin() + count));
}

}  // namespace lrv
