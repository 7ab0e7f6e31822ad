#pragma once
// The single-instance rule: the running program is found by the name of its
// main window class, "TfmLrvMain".

#include <functional>
#include <string>

namespace lrv {

inline constexpr const char* kInstanceName = "TfmLrvMain";

class SingleInstance {
 public:
  virtual ~SingleInstance() = default;
  // True when another instance already holds the name.
  virtual bool AnotherIsRunning() = 0;
  // Asks the running instance to bring its main window to the top.
  virtual void ActivateOther() = 0;
  // Takes the name for this process. `onActivate` runs when a later start
  // asks this instance to come to the top. False when the name is taken.
  virtual bool Claim(std::function<void()> onActivate) = 0;
  // Gives the name up, so that a relaunched program can claim it.
  virtual void Release() = 0;
};

}  // namespace lrv
