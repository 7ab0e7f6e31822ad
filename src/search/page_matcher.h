#pragma once
// Page-text matching for the search pass: reads each candidate page once
// and tests it, on worker threads when there are several cores, while the
// pass takes the answers strictly in candidate order.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "search/line_scan.h"
#include "search/search_pass.h"

namespace lrv {

// The needles of one search over folded (or, case-sensitive, raw) pages.
class PageTest {
 public:
  explicit PageTest(const SearchNeedles& needles);
  // Folds the page in place unless the search is case-sensitive, then
  // tests it.
  bool Matches(char* page, std::size_t size) const;

 private:
  SearchKind kind_;
  bool fold_;
  std::vector<LineNeedle> needles_;
};

// Reads a whole file into `buffer` (reused between files); false when it
// cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, std::vector<char>& buffer, std::size_t& size);

class PageMatcher {
 public:
  // `files` are the stored file names of the candidates, in order; they
  // must outlive the matcher. threads 0: by the machine's cores.
  PageMatcher(const SearchNeedles& needles, const Dirs& dirs, std::vector<const std::string*> files,
              int threads);
  ~PageMatcher();  // stops and joins the workers
  PageMatcher(const PageMatcher&) = delete;
  PageMatcher& operator=(const PageMatcher&) = delete;

  // The answer for candidate k, waiting for it while polling the
  // progress's Cancelled; nullopt once the user cancelled.
  std::optional<bool> Wait(std::size_t k, SearchProgress& progress);

 private:
  bool Test(std::size_t k, std::vector<char>& buffer) const;
  void Work();

  PageTest test_;
  Dirs dirs_;
  std::vector<const std::string*> files_;
  std::unique_ptr<std::atomic<signed char>[]> answers_;  // 0 pending, 1 no, 2 yes
  std::atomic<std::size_t> next_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<std::thread> workers_;
  std::vector<char> inlineBuffer_;  // without workers
};

}  // namespace lrv
