#pragma once
// Clock for tests: stands still at the moment the test sets.

#include "platform/clock.h"

namespace lrv {

class FakeClock : public Clock {
 public:
  DateTime now{{2004, 6, 15}, 12, 0, 0};

  void Set(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    now = {{year, month, day}, hour, minute, second};
  }
  Date Today() override { return now.date; }
  DateTime Now() override { return now; }
};

}  // namespace lrv
