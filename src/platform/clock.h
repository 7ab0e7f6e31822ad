#pragma once
// Today's date and the time of day, so that tests can pick the day.

#include <compare>

namespace lrv {

struct Date {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  friend auto operator<=>(const Date&, const Date&) = default;
};

struct DateTime {
  Date date;
  int hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date Today() = 0;
  virtual DateTime Now() = 0;
};

}  // namespace lrv
