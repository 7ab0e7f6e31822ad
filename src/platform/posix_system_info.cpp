#include "platform/posix_system_info.h"

#include <cctype>
#include <cstdlib>
#include <vector>

#if defined(__linux__)
#include <pwd.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>
#endif

namespace lrv {

OsVersion OsVersionFromRelease(std::string_view systemName, std::string_view release) {
  OsVersion v;
  v.platform = OsPlatform::Other;
  v.platformName = std::string(systemName);
  // Leading dotted numbers; the rest ("-18-amd64") is the distribution's.
  std::vector<std::uint32_t> numbers;
  std::size_t pos = 0;
  while (numbers.size() < 3 && pos < release.size() && std::isdigit(static_cast<unsigned char>(release[pos]))) {
    std::uint64_t n = 0;
    while (pos < release.size() && std::isdigit(static_cast<unsigned char>(release[pos]))) {
      n = n * 10 + static_cast<unsigned>(release[pos] - '0');
      if (n > 0x7FFFFFFF) n = 0x7FFFFFFF;
      ++pos;
    }
    numbers.push_back(static_cast<std::uint32_t>(n));
    if (pos < release.size() && release[pos] == '.') ++pos;
    else break;
  }
  if (numbers.size() > 0) v.major = static_cast<int>(numbers[0]);
  if (numbers.size() > 1) v.minor = static_cast<int>(numbers[1]);
  if (numbers.size() > 2) v.build = numbers[2];
  return v;
}

OsVersion PosixSystemInfo::Version() {
#if defined(__linux__)
  struct utsname names {};
  if (::uname(&names) == 0) return OsVersionFromRelease("Linux", names.release);
  return OsVersionFromRelease("Linux", "");
#else
  return OsVersionFromRelease("Unknown", "");
#endif
}

std::uint64_t PosixSystemInfo::PhysicalMemoryBytes() {
#if defined(__linux__)
  struct sysinfo info {};
  if (::sysinfo(&info) != 0) return 0;
  return static_cast<std::uint64_t>(info.totalram) * info.mem_unit;
#else
  return 0;
#endif
}

std::string PosixSystemInfo::UserName() {
#if defined(__linux__)
  std::vector<char> buffer(16384);
  struct passwd entry {};
  struct passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name &&
      *found->pw_name)
    return found->pw_name;
#endif
  for (const char* variable : {"USER", "USERNAME", "LOGNAME"})
    if (const char* value = std::getenv(variable); value && *value) return value;
  return {};
}

}  // namespace lrv
