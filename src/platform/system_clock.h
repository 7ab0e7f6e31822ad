#pragma once
// The real Clock: the local date and time.

#include "platform/clock.h"

namespace lrv {

class SystemClock : public Clock {
 public:
  Date Today() override;
  DateTime Now() override;
};

}  // namespace lrv
