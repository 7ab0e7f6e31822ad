#pragma once
// The help file: one topic per help context number.

namespace lrv {

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  virtual void ShowContext(int helpContext) = 0;
  virtual void ShowContents() = 0;
};

}  // namespace lrv
