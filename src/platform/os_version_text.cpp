#include "platform/os_version_text.h"

namespace lrv {

std::string OsVersionLine(const OsVersion& v) {
  std::string name;
  std::uint32_t build = 0;
  switch (v.platform) {
    case OsPlatform::Windows95Family:
      name = "Windows 95";
      build = v.build & 0xFFFFu;
      break;
    case OsPlatform::WindowsNtFamily:
      name = "Windows NT";
      build = v.build;
      break;
    case OsPlatform::Other:
      name = v.platformName.empty() ? "Windows" : v.platformName;
      return name + " " + std::to_string(v.major) + "." + std::to_string(v.minor);
  }
  std::string line = name + " " + std::to_string(v.major) + "." + std::to_string(v.minor) + " (Build " +
                     std::to_string(build);
  if (!v.servicePack.empty()) line += ": " + v.servicePack;
  return line + ")";
}

std::string MemoryLine(std::uint64_t bytes, const std::string& separator) {
  const std::string digits = std::to_string(bytes / 1024);
  std::string grouped;
  // The pattern "#,###" prints nothing for zero.
  if (digits != "0") {
    for (size_t i = 0; i < digits.size(); ++i) {
      if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
      grouped += digits[i];
    }
  }
  return grouped + " KB";
}

}  // namespace lrv
