#include "search/page_matcher.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace lrv {

PageTest::PageTest(const SearchNeedles& needles) : kind_(needles.kind), fold_(!needles.caseSensitive) {
  for (const std::string& word : needles.words) {
    std::string needle = word;
    if (fold_) LowerBytes(needle.data(), needle.size());
    needles_.emplace_back(std::move(needle), needles.wholeWords);
  }
}

bool PageTest::Matches(char* page, std::size_t size) const {
  if (fold_) LowerBytes(page, size);
  const std::string_view text(page, size);
  switch (kind_) {
    case SearchKind::ExactPhrase:
      return !needles_.empty() && needles_.front().FoundInSomeLine(text);
    case SearchKind::AllWords:
      // Each word may be on a line of its own; an empty list never matches.
      return !needles_.empty() && std::all_of(needles_.begin(), needles_.end(),
                                              [&](const LineNeedle& n) { return n.FoundInSomeLine(text); });
    case SearchKind::AnyWord:
      return std::any_of(needles_.begin(), needles_.end(),
                         [&](const LineNeedle& n) { return n.FoundInSomeLine(text); });
  }
  return false;
}

bool ReadWholeFile(const std::filesystem::path& path, std::vector<char>& buffer, std::size_t& size) {
#ifdef _WIN32
  std::FILE* file = _wfopen(path.c_str(), L"rb");
#else
  std::FILE* file = std::fopen(path.c_str(), "rb");
#endif
  if (file == nullptr) return false;
  std::setvbuf(file, nullptr, _IONBF, 0);  // read straight into our buffer
  if (buffer.size() < (std::size_t{1} << 16)) buffer.resize(std::size_t{1} << 16);
  size = 0;
  bool ok = true;
  for (;;) {
    if (size == buffer.size()) buffer.resize(buffer.size() * 2);
    const std::size_t got = std::fread(buffer.data() + size, 1, buffer.size() - size, file);
    size += got;
    if (got == 0) {
      ok = !std::ferror(file);  // a folder opens but cannot be read
      break;
    }
  }
  std::fclose(file);
  return ok;
}

PageMatcher::PageMatcher(const SearchNeedles& needles, const Dirs& dirs, std::vector<const std::string*> files,
                         int threads)
    : test_(needles), dirs_(dirs), files_(std::move(files)),
      answers_(new std::atomic<signed char>[files_.size()]) {
  for (std::size_t i = 0; i < files_.size(); ++i) answers_[i].store(0, std::memory_order_relaxed);
  if (threads <= 0) threads = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
  // One thread gains nothing over testing in Wait on the caller's thread.
  if (threads > 1 && files_.size() > 1)
    for (int i = 0; i < threads; ++i) workers_.emplace_back([this] { Work(); });
}

PageMatcher::~PageMatcher() {
  stop_.store(true);
  for (std::thread& worker : workers_) worker.join();
}

bool PageMatcher::Test(std::size_t k, std::vector<char>& buffer) const {
  std::size_t size = 0;
  const auto path = StoredNameToPath(dirs_.baseDir, *files_[k]);
  if (!ReadWholeFile(path, buffer, size)) return false;  // a missing page does not match
  return test_.Matches(buffer.data(), size);
}

void PageMatcher::Work() {
  std::vector<char> buffer;
  for (;;) {
    if (stop_.load(std::memory_order_relaxed)) return;
    const std::size_t k = next_.fetch_add(1);
    if (k >= files_.size()) return;
    bool yes = false;
    try {
      yes = Test(k, buffer);
    } catch (...) {  // out of memory for one huge page: it simply does not match
    }
    answers_[k].store(yes ? 2 : 1, std::memory_order_release);
    { std::lock_guard lock(mutex_); }
    ready_.notify_one();
  }
}

std::optional<bool> PageMatcher::Wait(std::size_t k, SearchProgress& progress) {
  if (workers_.empty()) {
    if (progress.Cancelled()) return std::nullopt;
    return Test(k, inlineBuffer_);
  }
  if (progress.Cancelled()) return std::nullopt;
  for (;;) {
    const signed char answer = answers_[k].load(std::memory_order_acquire);
    if (answer != 0) return answer == 2;
    {
      std::unique_lock lock(mutex_);
      ready_.wait_for(lock, std::chrono::milliseconds(30),
                      [&] { return answers_[k].load(std::memory_order_acquire) != 0; });
    }
    // A slow disk must not make the progress window freeze or ignore Esc.
    if (answers_[k].load(std::memory_order_acquire) == 0 && progress.Cancelled()) return std::nullopt;
  }
}

}  // namespace lrv
