#include "viewer/browser_status.h"

#include "base/text.h"
#include "viewer/article_viewer.h"

namespace lrv::viewer {
namespace {

// Case folding of a screen text: through Windows-1251, whose table knows
// the Cyrillic letters; a text without that form is compared as it is.
std::string FoldedHint(std::string_view utf8) {
  const std::string_view trimmed = text::Trim(utf8);
  const std::optional<std::string> ansi = text::Utf8ToCp1251(trimmed);
  return ansi ? text::Lower(*ansi) : std::string(trimmed);
}

}  // namespace

StatusPanel StatusTextChange(std::string_view text) {
  return {std::string(text), text::Trim(text).empty() ? kNoImage : kImageInternetPage};
}

ProgressDisplay ProgressChange(long progress, long maximum) {
  if (progress != 0 && progress != maximum) return {true, maximum, progress};
  return {false, maximum, progress};
}

std::string CaptionForHint(std::span<const CommandText> commands, std::string_view hint) {
  const std::string wanted = FoldedHint(hint);
  for (const CommandText& command : commands) {
    if (command.hint.empty()) continue;
    if (FoldedHint(command.hint) != wanted) continue;
    std::string caption;
    for (char c : command.caption)
      if (c != '&' && c != '.') caption.push_back(c);
    return caption;
  }
  return std::string(hint);
}

}  // namespace lrv::viewer
