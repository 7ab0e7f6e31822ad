#pragma once
// The real SystemInfo: the kernel's name and release, the physical memory
// and the logged-on user.

#include <string_view>

#include "platform/system_info.h"

namespace lrv {

// "6.1.0-18-amd64" gives major 6, minor 1, build 0 (the third number);
// missing numbers are 0.
OsVersion OsVersionFromRelease(std::string_view systemName, std::string_view release);

class PosixSystemInfo : public SystemInfo {
 public:
  OsVersion Version() override;
  std::uint64_t PhysicalMemoryBytes() override;
  std::string UserName() override;
};

}  // namespace lrv
