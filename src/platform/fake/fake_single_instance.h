#pragma once
// SingleInstance for tests: another instance runs when the test says so.

#include <functional>

#include "platform/single_instance.h"

namespace lrv {

class FakeSingleInstance : public SingleInstance {
 public:
  bool anotherRunning = false;
  int activateOtherCalls = 0;
  bool claimed = false;
  int releaseCalls = 0;

  bool AnotherIsRunning() override { return anotherRunning; }
  void ActivateOther() override { ++activateOtherCalls; }
  bool Claim(std::function<void()> onActivate) override {
    if (anotherRunning || claimed) return false;
    claimed = true;
    onActivate_ = std::move(onActivate);
    return true;
  }
  void Release() override {
    ++releaseCalls;
    claimed = false;
    onActivate_ = nullptr;
  }
  // What a later start asking this instance to come to the top does.
  void SimulateActivationRequest() {
    if (claimed && onActivate_) onActivate_();
  }

 private:
  std::function<void()> onActivate_;
};

}  // namespace lrv
