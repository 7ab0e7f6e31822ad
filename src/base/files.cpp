#include "base/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#include "base/text.h"

namespace lrv {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
std::optional<std::size_t> g_failAfter;  // test hook: simulated full disk

std::string ErrnoText(int err) { return std::error_code(err, std::generic_category()).message(); }

fs::path TempNameBeside(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  const auto tag = std::to_string(::getpid()) + "-" + std::to_string(rd() % 100000) + "-" +
                   std::to_string(counter++);
  fs::path temp = target;
  temp += ".~" + tag + ".tmp";
  return temp;
}

}  // namespace

IoError::IoError(const fs::path& path, const std::string& what)
    : std::runtime_error(what + ": " + path.string()), path_(path) {}

AtomicFile::AtomicFile(fs::path target) : target_(std::move(target)), temp_(TempNameBeside(target_)) {
  fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd_ < 0) throw IoError(target_, "Cannot create file (" + ErrnoText(errno) + ")");
  buffer_.reserve(kBufferSize);
}

AtomicFile::~AtomicFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_) {
    std::error_code ec;
    fs::remove(temp_, ec);
  }
}

void AtomicFile::Write(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > kBufferSize) Flush();
  if (bytes.size() >= kBufferSize) {
    buffer_.assign(bytes);
    Flush();
  } else {
    buffer_.append(bytes);
  }
}

void AtomicFile::Flush() {
  const char* p = buffer_.data();
  std::size_t left = buffer_.size();
  while (left > 0) {
    std::size_t chunk = left;
    if (g_failAfter) {
      if (*g_failAfter == 0) throw IoError(target_, "Cannot write file (" + ErrnoText(ENOSPC) + ")");
      chunk = std::min(chunk, *g_failAfter);
    }
    const ssize_t n = ::write(fd_, p, chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw IoError(target_, "Cannot write file (" + ErrnoText(errno) + ")");
    }
    if (g_failAfter) *g_failAfter -= static_cast<std::size_t>(n);
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  buffer_.clear();
}

void AtomicFile::Commit(bool sync) {
  Flush();
  if (sync && ::fsync(fd_) != 0) throw IoError(target_, "Cannot write file (" + ErrnoText(errno) + ")");
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) throw IoError(target_, "Cannot write file (" + ErrnoText(errno) + ")");
  if (::rename(temp_.c_str(), target_.c_str()) != 0)
    throw IoError(target_, "Cannot replace file (" + ErrnoText(errno) + ")");
  committed_ = true;
  if (sync) {
    // Make the rename itself durable.
    const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      ::fsync(dir);
      ::close(dir);
    }
  }
}

void WriteFileAtomic(const fs::path& target, std::string_view bytes) {
  AtomicFile file(target);
  file.Write(bytes);
  file.Commit();
}

void WriteLinesAtomic(const fs::path& target, const std::vector<std::string>& lines) {
  WriteFileAtomic(target, text::JoinLinesCrLf(lines));
}

std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content;
  // Read in large blocks: the size is only a hint (the file may change).
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  content.resize(ec ? std::size_t{1} << 16 : static_cast<std::size_t>(size) + 1);
  std::size_t used = 0;
  while (true) {
    in.read(content.data() + used, static_cast<std::streamsize>(content.size() - used));
    used += static_cast<std::size_t>(in.gcount());
    if (in.bad()) return std::nullopt;
    if (in.eof()) break;
    content.resize(content.size() * 2);
  }
  content.resize(used);
  return content;
}

std::optional<std::vector<std::string>> ReadLines(const fs::path& path) {
  auto content = ReadFile(path);
  if (!content) return std::nullopt;
  return text::SplitLines(*content);
}

bool IsRegularFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

void MakeWritable(const fs::path& path) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return;
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
}

void EnsureFolder(const fs::path& folder) {
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return;
  fs::create_directories(folder, ec);
  if (ec) throw IoError(folder, "Cannot create folder (" + ec.message() + ")");
}

namespace testing {
void FailWritesAfter(std::optional<std::size_t> bytes) { g_failAfter = bytes; }
}  // namespace testing

}  // namespace lrv
