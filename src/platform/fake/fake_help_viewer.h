#pragma once
// HelpViewer for tests: records which topics were asked for.

#include <vector>

#include "platform/help_viewer.h"

namespace lrv {

class FakeHelpViewer : public HelpViewer {
 public:
  std::vector<int> contexts;
  int contentsCalls = 0;

  void ShowContext(int helpContext) override { contexts.push_back(helpContext); }
  void ShowContents() override { ++contentsCalls; }
};

}  // namespace lrv
