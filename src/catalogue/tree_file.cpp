#include "catalogue/tree_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "base/files.h"
#include "catalogue/catalogue_rules.h"

namespace lrv {
namespace {

// The smallest node record: header size and a 24-byte header.
constexpr std::uint64_t kMinNodeRecord = 4 + kTreeNodeHeaderSize;
constexpr std::size_t kDefaultReadBuffer = 1 << 16;
std::size_t g_readBuffer = kDefaultReadBuffer;
constexpr std::size_t kWriteChunk = 1 << 16;

// Reads either bytes in memory or a file through a buffer. Remaining() is
// exact for memory and the size the file had when opened for a file (a
// file that shrinks meanwhile simply fails to read).
class ByteReader {
 public:
  explicit ByteReader(std::string_view memory) : cur_(memory.data()), end_(memory.data() + memory.size()) {}
  ByteReader(int fd, std::uint64_t size)
      : fd_(fd), fileLeft_(size), bufferSize_(g_readBuffer), buffer_(new char[bufferSize_]) {
    cur_ = end_ = buffer_.get();
  }

  std::uint64_t Remaining() const { return Available() + fileLeft_; }

  bool ReadInt32(std::int32_t& value) {
    if (Available() < 4 && !Fill(4)) return false;
    const auto* p = reinterpret_cast<const unsigned char*>(cur_);
    const std::uint32_t u = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                            (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    value = static_cast<std::int32_t>(u);
    cur_ += 4;
    return true;
  }

  bool ReadByte(std::uint8_t& value) {
    if (Available() < 1 && !Fill(1)) return false;
    value = static_cast<std::uint8_t>(*cur_++);
    return true;
  }

  bool ReadText(std::string& out, std::uint64_t n) {
    if (n > Remaining()) return false;
    const std::size_t avail = Available();
    if (n <= avail) {
      out.assign(cur_, static_cast<std::size_t>(n));
      cur_ += n;
      return true;
    }
    // Longer than what is buffered (file mode only): read the rest straight
    // into the text. n is bounded by the file's size.
    out.resize(static_cast<std::size_t>(n));
    std::memcpy(out.data(), cur_, avail);
    cur_ = end_;
    return ReadDirect(out.data() + avail, static_cast<std::size_t>(n) - avail);
  }

  bool Skip(std::uint64_t n) {
    if (n > Remaining()) return false;
    const std::size_t avail = Available();
    if (n <= avail) {
      cur_ += n;
      return true;
    }
    n -= avail;
    cur_ = end_;
    if (::lseek(fd_, static_cast<off_t>(n), SEEK_CUR) < 0) return false;
    fileLeft_ -= n;
    return true;
  }

 private:
  std::size_t Available() const { return static_cast<std::size_t>(end_ - cur_); }

  // Makes at least n (<= buffer size) bytes available.
  bool Fill(std::size_t n) {
    if (fd_ < 0) return false;
    std::size_t have = Available();
    std::memmove(buffer_.get(), cur_, have);
    cur_ = buffer_.get();
    end_ = cur_ + have;
    while (have < n) {
      const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(bufferSize_ - have, fileLeft_));
      if (want == 0) return false;
      const ssize_t got = ::read(fd_, buffer_.get() + have, want);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        fileLeft_ = 0;
        return false;
      }
      have += static_cast<std::size_t>(got);
      end_ = cur_ + have;
      fileLeft_ -= static_cast<std::uint64_t>(got);
    }
    return true;
  }

  bool ReadDirect(char* dst, std::size_t n) {
    while (n > 0) {
      const ssize_t got = ::read(fd_, dst, n);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        fileLeft_ = 0;
        return false;
      }
      dst += got;
      n -= static_cast<std::size_t>(got);
      fileLeft_ -= static_cast<std::uint64_t>(got);
    }
    return true;
  }

  int fd_ = -1;
  std::uint64_t fileLeft_ = 0;
  std::size_t bufferSize_ = 0;
  std::unique_ptr<char[]> buffer_;
  const char* cur_ = nullptr;
  const char* end_ = nullptr;
};

class TreeParser {
 public:
  TreeParser(ByteReader& in, Catalogue& catalogue) : in_(in), catalogue_(catalogue) {}

  // Reads the whole stream. The nodes are built depth first with an
  // explicit stack: a file may nest as deep as its size allows.
  bool Parse() {
    std::int32_t first = 0;
    if (!in_.ReadInt32(first)) return false;
    std::int32_t rootCount = first;
    if (first < 0) {
      if (!in_.ReadInt32(rootCount)) return false;
    } else {
      legacy_ = true;
    }
    rootCount = std::max(rootCount, 0);
    if (static_cast<std::uint64_t>(rootCount) * kMinNodeRecord > in_.Remaining()) return false;

    struct Pending {
      CatalogueNode* node;
      std::int32_t childrenLeft;
    };
    std::vector<Pending> stack;
    std::int32_t rootsLeft = rootCount;
    while (rootsLeft > 0 || !stack.empty()) {
      CatalogueNode* parent = nullptr;
      if (!stack.empty()) {
        Pending& top = stack.back();
        if (top.childrenLeft == 0) {
          stack.pop_back();
          continue;
        }
        --top.childrenLeft;
        parent = top.node;
      } else {
        --rootsLeft;
      }
      // The node joins the tree before its record is read, so a failure
      // leaves it (partly filled) among the nodes read.
      CatalogueNode* node = catalogue_.AddChild(parent);
      std::int32_t childCount = 0;
      if (!ReadRecord(node, childCount)) return false;
      if (childCount > 0) stack.push_back({node, childCount});
    }
    return true;
  }

 private:
  bool ReadRecord(CatalogueNode* node, std::int32_t& childCount) {
    std::int32_t headerSize = 0;
    if (!in_.ReadInt32(headerSize)) return false;
    if (headerSize < kTreeNodeHeaderSize || static_cast<std::uint64_t>(headerSize) > in_.Remaining()) return false;
    std::int32_t header[6];
    for (std::int32_t& field : header)
      if (!in_.ReadInt32(field)) return false;
    if (!in_.Skip(static_cast<std::uint64_t>(headerSize - kTreeNodeHeaderSize))) return false;
    catalogue_.SetImageIndex(node, header[0]);
    catalogue_.SetSelectedIndex(node, header[1]);
    catalogue_.SetStateIndex(node, header[2]);
    catalogue_.SetData(node, header[3]);
    // Negative counts are read as zero.
    childCount = std::max(header[4], 0);
    const std::int32_t valueCount = std::max(header[5], 0);

    const std::uint64_t minValue = legacy_ ? 1 : 4;
    if (static_cast<std::uint64_t>(valueCount) * minValue > in_.Remaining()) return false;
    std::vector<std::string> values;
    values.reserve(static_cast<std::size_t>(std::min(valueCount, 64)));
    bool ok = true;
    for (std::int32_t i = 0; i < valueCount && ok; ++i) {
      std::uint64_t length = 0;
      if (legacy_) {
        std::uint8_t b = 0;
        ok = in_.ReadByte(b);
        length = b;
      } else {
        std::int32_t l = 0;
        ok = in_.ReadInt32(l) && l >= 0;
        length = static_cast<std::uint64_t>(std::max(l, 0));
      }
      if (!ok) break;
      values.emplace_back();
      ok = in_.ReadText(values.back(), length);
      if (!ok) values.pop_back();
    }
    if (!values.empty()) catalogue_.SetValues(node, std::move(values));
    if (!ok) return false;
    return static_cast<std::uint64_t>(childCount) * kMinNodeRecord <= in_.Remaining();
  }

  ByteReader& in_;
  Catalogue& catalogue_;
  bool legacy_ = false;
};

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// ---------------------------------------------------------------- writing

void PutInt32(std::string& out, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  const char bytes[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                         static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
  out.append(bytes, 4);
}

std::int32_t CheckedCount(std::size_t n) {
  if (n > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("The catalogue is too large for a tree file");
  return static_cast<std::int32_t>(n);
}

void PutRecord(std::string& out, const Catalogue& catalogue, const CatalogueNode& node) {
  PutInt32(out, kTreeNodeHeaderSize);
  PutInt32(out, DisplayImageIndex(catalogue, node));
  PutInt32(out, node.SelectedIndex());
  PutInt32(out, node.StateIndex());
  PutInt32(out, node.Data());
  PutInt32(out, node.ChildCount());
  PutInt32(out, CheckedCount(node.Values().size()));
  for (const std::string& value : node.Values()) {
    PutInt32(out, CheckedCount(value.size()));
    out.append(value);
  }
}

// Writes the stream in pre-order with an explicit stack; `flush` takes the
// buffer whenever it grows past one chunk.
template <class Flush>
void WriteTree(const Catalogue& catalogue, std::string& out, Flush&& flush) {
  PutInt32(out, kTreeFileMarker);
  PutInt32(out, catalogue.RootCount());
  struct Pending {
    std::span<CatalogueNode* const> nodes;
    std::size_t next;
  };
  std::vector<Pending> stack{{catalogue.Roots(), 0}};
  while (!stack.empty()) {
    Pending& top = stack.back();
    if (top.next == top.nodes.size()) {
      stack.pop_back();
      continue;
    }
    const CatalogueNode& node = *top.nodes[top.next++];
    PutRecord(out, catalogue, node);
    if (out.size() >= kWriteChunk) flush(out);
    if (node.ChildCount() > 0) stack.push_back({node.Children(), 0});
  }
}

}  // namespace

TreeReadResult ReadTreeBytes(std::string_view bytes) {
  TreeReadResult result;
  ByteReader in(bytes);
  result.ok = TreeParser(in, result.catalogue).Parse();
  return result;
}

TreeReadResult ReadTreeFile(const std::filesystem::path& path) {
  TreeReadResult result;
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return result;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return result;
  ByteReader in(fd.get(), static_cast<std::uint64_t>(info.st_size));
  result.ok = TreeParser(in, result.catalogue).Parse();
  return result;
}

bool LoadTree(Catalogue& catalogue, const std::filesystem::path& path) {
  TreeReadResult read = ReadTreeFile(path);
  if (!read.ok) return false;
  catalogue.ReplaceWith(std::move(read.catalogue));
  return true;
}

void SaveTree(const Catalogue& catalogue, const std::filesystem::path& path, bool sync) {
  AtomicFile file(path);
  std::string chunk;
  chunk.reserve(kWriteChunk * 2);
  WriteTree(catalogue, chunk, [&file](std::string& out) {
    file.Write(out);
    out.clear();
  });
  file.Write(chunk);
  file.Commit(sync);
}

std::string TreeBytes(const Catalogue& catalogue) {
  std::string out;
  WriteTree(catalogue, out, [](std::string&) {});
  return out;
}

namespace testing {
void SetTreeReadBufferSize(std::size_t bytes) { g_readBuffer = bytes == 0 ? kDefaultReadBuffer : std::max<std::size_t>(bytes, 4); }
}  // namespace testing

}  // namespace lrv
