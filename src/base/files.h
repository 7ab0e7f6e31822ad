#pragma once
// Reading and writing the archive's files. Every write of program data goes
// through AtomicFile: a temporary file in the same folder, flushed and
// synced, then renamed over the old file, so a crash or a full disk never
// leaves a half-written catalogue or settings file behind.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lrv {

namespace fs = std::filesystem;

// The input/output error of the system: a file or folder that cannot be
// created, written or removed. The message names the path and the cause.
class IoError : public std::runtime_error {
 public:
  IoError(const fs::path& path, const std::string& what);
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Writes a file crash-safe. Nothing is visible at `target` until Commit()
// succeeds; a writer destroyed without Commit() removes its temporary file
// and leaves the old file untouched.
class AtomicFile {
 public:
  explicit AtomicFile(fs::path target);  // throws IoError
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  void Write(std::string_view bytes);  // buffered; throws IoError
  // Flushes, syncs (unless sync is false: benchmarks measure without it)
  // and renames over the target. Throws IoError; the old file then stays.
  void Commit(bool sync = true);

 private:
  void Flush();
  fs::path target_;
  fs::path temp_;
  int fd_ = -1;
  std::string buffer_;
  bool committed_ = false;
};

// Whole-file helpers built on AtomicFile.
void WriteFileAtomic(const fs::path& target, std::string_view bytes);
void WriteLinesAtomic(const fs::path& target, const std::vector<std::string>& lines);

// The whole file, or nullopt when it cannot be opened or read.
std::optional<std::string> ReadFile(const fs::path& path);
// A text file's lines (CR LF or LF), or nullopt when it cannot be read.
std::optional<std::vector<std::string>> ReadLines(const fs::path& path);

// Whether a regular file stands at the path; errors (no access, a broken
// link) answer false instead of throwing.
bool IsRegularFile(const fs::path& path);

// "Sets the attributes to normal and archive": makes the file writable for
// its owner so a read-only copy can be replaced. Missing files are ignored.
void MakeWritable(const fs::path& path);

// Creates a folder (and its parents) when it does not exist. Throws IoError.
void EnsureFolder(const fs::path& folder);

namespace testing {
// Makes every AtomicFile write fail once this many more bytes have been
// written (nullopt: never). Simulates a full disk in tests.
void FailWritesAfter(std::optional<std::size_t> bytes);
}  // namespace testing

}  // namespace lrv
