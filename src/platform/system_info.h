#pragma once
// Facts about the computer: the operating-system version record, the
// physical memory and the logged-on user.

#include <cstdint>
#include <string>

namespace lrv {

enum class OsPlatform { Windows95Family, WindowsNtFamily, Other };

struct OsVersion {
  OsPlatform platform = OsPlatform::Other;
  std::string platformName;  // "Linux" on Linux; used for OsPlatform::Other
  int major = 0;
  int minor = 0;
  std::uint32_t build = 0;
  std::string servicePack;  // empty when none
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual OsVersion Version() = 0;
  virtual std::uint64_t PhysicalMemoryBytes() = 0;
  virtual std::string UserName() = 0;  // UTF-8
};

}  // namespace lrv
