#pragma once
// The tree file: the binary node stream in which the catalogue is saved
// ("tree.info", the backups, the undo snapshots).
//
//   marker -1, root count N, then N node records in depth-first pre-order.
//   Node record: header size H (24 when written), image index, selected
//   index, state index, data, child count C, value count V, H-24 skipped
//   bytes, V values (length + bytes), then the C child records.
// All integers are 32-bit little-endian. A legacy file has no marker (it
// starts with N >= 0) and one-byte value lengths.

#include <filesystem>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"

namespace lrv {

inline constexpr std::int32_t kTreeFileMarker = -1;
inline constexpr std::int32_t kTreeNodeHeaderSize = 24;

struct TreeReadResult {
  // The nodes read; after a failure, those read up to the failure.
  Catalogue catalogue;
  bool ok = false;
};

// Reads a tree file into a new catalogue. Every size, length and count is
// checked against the bytes left before anything is read or allocated;
// nesting depth is limited only by the file's size.
TreeReadResult ReadTreeFile(const std::filesystem::path& path);
TreeReadResult ReadTreeBytes(std::string_view bytes);

// Loads a tree file into `catalogue`: true on success. On any failure
// (missing, unreadable, truncated, malformed) the catalogue keeps what it
// held. Focus, selection and expanded flags are reset; sort marks stay.
bool LoadTree(Catalogue& catalogue, const std::filesystem::path& path);

// Writes the catalogue crash-safe: a temporary file beside `path`, synced
// (unless sync is false: benchmarks) and renamed over it. Throws IoError;
// the previous file is then left as it was. The image index written is
// the node's DisplayImageIndex at this moment, highlight of the selected
// and focused nodes included.
void SaveTree(const Catalogue& catalogue, const std::filesystem::path& path, bool sync = true);

// The bytes SaveTree writes.
std::string TreeBytes(const Catalogue& catalogue);

namespace testing {
// Size of the buffer ReadTreeFile reads through (at least 4; 0 restores
// the default), so tests and fuzzers cross buffer boundaries often.
void SetTreeReadBufferSize(std::size_t bytes);
}  // namespace testing

}  // namespace lrv
