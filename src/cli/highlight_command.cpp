#include "cli/highlight_command.h"

#include <filesystem>
#include <optional>

#include "base/paths.h"
#include "base/text.h"
#include "cli/command.h"
#include "search/highlight_page.h"

namespace lrv::cli {

// The words go to the highlighter as given: the search folds them before it
// hands them over, so a caller who wants stems passes stems.
int Highlight(std::span<const std::string> args) {
  std::vector<std::string> positional;
  HighlightQuery query;
  std::optional<std::string> out;
  bool sawWordOption = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--word") {
      sawWordOption = true;
      const std::size_t first = i + 1;
      while (i + 1 < args.size() && !args[i + 1].starts_with("--")) query.words.push_back(ToArchiveText(args[++i], "word"));
      if (i + 1 == first) throw UsageError("--word needs at least one word");
    } else if (a == "--case") {
      query.caseSensitive = true;
    } else if (a == "--whole") {
      query.wholeWords = true;
    } else if (a == "--out") {
      if (i + 1 >= args.size()) throw UsageError("--out needs a file name");
      out = args[++i];
    } else if (a.starts_with("--")) {
      throw UsageError("unknown option " + a);
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) throw UsageError("expects BASEDIR and FILE");
  if (!sawWordOption) throw UsageError("expects --word");
  if (!out) throw UsageError("expects --out");

  const std::filesystem::path baseDir = positional[0];
  if (!std::filesystem::is_directory(baseDir)) throw Failure("no such folder: " + positional[0]);
  const std::filesystem::path article = StoredNameToPath(baseDir, ToArchiveText(positional[1], "file name"));
  if (!std::filesystem::is_regular_file(article)) throw Failure("no such article page: " + article.string());
  WriteHighlightedCopy(article, *out, query);
  return kSuccess;
}

}  // namespace lrv::cli
