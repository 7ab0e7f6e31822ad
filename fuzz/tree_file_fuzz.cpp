// Tree files from outside (backups, dropped files) in both variants: the
// marker format and the legacy one. Reads through memory and through a
// file with a tiny buffer must agree, and whatever was read (even a
// partial catalogue) must save and read back to the same bytes.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/catalogue_json.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/tree_file.h"

namespace {

// An in-memory file, so the buffered file reader is fuzzed too.
int MemoryFile() {
  static const int fd = [] {
    lrv::testing::SetTreeReadBufferSize(6);
    return ::memfd_create("tree", 0);
  }();
  return fd;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  lrv::TreeReadResult read = lrv::ReadTreeBytes(bytes);
  const std::string dump = lrv::DumpTreeJson(read.catalogue, read.ok);

  const int fd = MemoryFile();
  if (fd >= 0 && ::ftruncate(fd, 0) == 0 && ::pwrite(fd, data, size, 0) == static_cast<ssize_t>(size)) {
    const lrv::TreeReadResult fromFile = lrv::ReadTreeFile("/proc/self/fd/" + std::to_string(fd));
    Check(fromFile.ok == read.ok);
    Check(lrv::DumpTreeJson(fromFile.catalogue, fromFile.ok) == dump);
  }

  const std::string saved = lrv::TreeBytes(read.catalogue);
  const lrv::TreeReadResult again = lrv::ReadTreeBytes(saved);
  Check(again.ok);
  Check(lrv::TreeBytes(again.catalogue) == saved);

  lrv::RecountChildren(read.catalogue);
  lrv::UpdateStatusCounts(read.catalogue);
  return 0;
}
