#pragma once
// Disk for tests: the medium and the free space are whatever the test says.

#include <filesystem>

#include "platform/disk.h"

namespace lrv {

class FakeDisk : public Disk {
 public:
  bool fixed = true;
  std::int64_t freeMegabytes = 100000;
  std::int64_t totalMegabytes = 200000;

  int fixedCalls = 0;
  int spaceCalls = 0;
  std::filesystem::path lastSpacePath;

  bool IsOnFixedDisk() override {
    ++fixedCalls;
    return fixed;
  }
  std::int64_t FreeDiskMegabytes(const std::filesystem::path& path, bool freeOnly) override {
    ++spaceCalls;
    lastSpacePath = path;
    return freeOnly ? freeMegabytes : totalMegabytes;
  }
};

}  // namespace lrv
