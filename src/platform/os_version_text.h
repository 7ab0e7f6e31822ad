#pragma once
// The lines about the computer that the splash and About box show.

#include <cstdint>
#include <string>

#include "platform/system_info.h"

namespace lrv {

// "Windows NT 5.1 (Build 2600: Service Pack 2)", "Windows 95 4.0 (Build 950)"
// for the two Windows families, "%s %d.%d" for any other platform (on Linux
// "Linux 6.1"). The Windows 95 family shows the build number's low 16 bits.
std::string OsVersionLine(const OsVersion& version);

// Physical memory in whole KB, grouped by thousands with `separator`
// (UTF-8, the locale's), followed by " KB": "524 288 KB".
std::string MemoryLine(std::uint64_t bytes, const std::string& separator);

}  // namespace lrv
