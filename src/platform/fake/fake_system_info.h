#pragma once
// SystemInfo for tests: the computer the test describes.

#include "platform/system_info.h"

namespace lrv {

class FakeSystemInfo : public SystemInfo {
 public:
  OsVersion version{OsPlatform::Other, "Linux", 6, 1, 0, ""};
  std::uint64_t memoryBytes = 536870912;  // 512 MiB
  std::string userName = "tester";

  OsVersion Version() override { return version; }
  std::uint64_t PhysicalMemoryBytes() override { return memoryBytes; }
  std::string UserName() override { return userName; }
};

}  // namespace lrv
