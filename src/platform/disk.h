#pragma once
// The medium the program runs from. Every write of program data is gated by
// IsOnFixedDisk: from a removable medium or an optical disc nothing is written.

#include <cstdint>
#include <filesystem>

namespace lrv {

class Disk {
 public:
  virtual ~Disk() = default;
  // False only for a removable medium or an optical disc holding the
  // executable; every other answer (fixed, network, RAM, unknown) is true.
  // Evaluated afresh on every call.
  virtual bool IsOnFixedDisk() = 0;
  // Whole mebibytes of the disk holding `path`: its free bytes (all of them,
  // not only those available to the user) when freeOnly, else its total
  // size; divided by 1024 twice, discarding the remainder each time.
  // -1 when the disk cannot be asked.
  virtual std::int64_t FreeDiskMegabytes(const std::filesystem::path& path, bool freeOnly) = 0;
};

}  // namespace lrv
