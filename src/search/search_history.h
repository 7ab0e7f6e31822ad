#pragma once
// The query history of the search window ("search.ini" in BaseDir): one
// query a line, newest first.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"

namespace lrv {

inline constexpr std::string_view kSearchHistoryFile = "search.ini";
// Entries the window keeps after a search, and writes.
inline constexpr std::size_t kSearchHistoryLimit = 8;

std::filesystem::path SearchHistoryPath(const Dirs& dirs);

// The whole file (a longer one than the window writes is read whole), or
// nullopt when there is none: the window then keeps its in-memory list.
std::optional<std::vector<std::string>> LoadSearchHistory(const Dirs& dirs);

// A search with `query` (already known not to be blank): it goes on top
// unless an entry equal to it without case is there already; a list then
// longer than the limit loses its last entry (one per search).
void AddToSearchHistory(std::vector<std::string>& history, std::string_view query);

// Writes the newest entries (at most kSearchHistoryLimit) crash-safe,
// making a read-only file writable first. Nothing is written for an empty
// list or from a disk that is not fixed. Throws IoError.
void SaveSearchHistory(const Dirs& dirs, const std::vector<std::string>& history, bool onFixedDisk);

}  // namespace lrv
