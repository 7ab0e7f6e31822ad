#include "platform/system_clock.h"

#include <ctime>

namespace lrv {

Date SystemClock::Today() { return Now().date; }

DateTime SystemClock::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
#if defined(_WIN32)
  ::localtime_s(&local, &now);
#else
  ::localtime_r(&now, &local);
#endif
  DateTime t;
  t.date = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
  t.hour = local.tm_hour;
  t.minute = local.tm_min;
  t.second = local.tm_sec;
  return t;
}

}  // namespace lrv
