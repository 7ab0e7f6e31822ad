#pragma once
// The status panel, the progress bar and the short tooltip captions that
// the browser and the commands feed. Texts are UTF-8 (screen texts).

#include <span>
#include <string>
#include <string_view>

namespace lrv::viewer {

inline constexpr int kNoImage = -1;

struct StatusPanel {
  std::string caption;
  int image = kNoImage;  // kImageInternetPage for a text that is not blank
};
// WebBrowserStatusTextChange.
StatusPanel StatusTextChange(std::string_view text);

struct ProgressDisplay {
  bool showProgress = false;  // false: the three count panels instead
  long maximum = 0;
  long position = 0;
};
// WebBrowserProgressChange: the bar shows while 0 < progress != maximum.
ProgressDisplay ProgressChange(long progress, long maximum);

// A command as the hint handler sees it.
struct CommandText {
  std::string caption;
  std::string hint;
};
// The caption of the first command whose hint equals `hint` (trimmed, no
// regard to case; commands without a hint skipped) with every "&" and "."
// removed; `hint` itself when no command has it.
std::string CaptionForHint(std::span<const CommandText> commands, std::string_view hint);

}  // namespace lrv::viewer
