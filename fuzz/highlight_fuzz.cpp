// Highlighting of page lines: any line and any word, the dagger "†"
// included, must end, and the result must be the input with whole
// occurrences of the word wrapped. Where the plain placeholder form of the
// rule can run (no dagger, short lines) both forms must agree; a buffer
// keeps its protected lines and changes others only by HighlightLine.
//
// Input: one option byte, the word up to the first line feed, then the
// page text with lines split at line feeds.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "highlight_reference.h"
#include "search/highlight.h"
#include "search/words.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::string> SplitAtLineFeeds(std::string_view s) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at = s.find('\n'); at != std::string_view::npos; at = s.find('\n', from)) {
    lines.emplace_back(s.substr(from, at - from));
    from = at + 1;
  }
  lines.emplace_back(s.substr(from));
  return lines;
}

// With one-byte marks the line has no other copy of: removing the marks
// gives the line back, and every marked span is the word in some case.
void CheckMarks(std::string_view line, std::string_view word, const std::string& out) {
  if (line.find_first_of("\x01\x02") != std::string_view::npos) return;
  std::string plain;
  const std::string lowWord = lrv::text::Lower(word);
  std::size_t open = std::string::npos;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (out[i] == '\x01') {
      Check(open == std::string::npos);
      open = i + 1;
    } else if (out[i] == '\x02') {
      Check(open != std::string::npos);
      Check(lrv::text::Lower(std::string_view(out).substr(open, i - open)) == lowWord);
      open = std::string::npos;
    } else {
      plain += out[i];
    }
  }
  Check(open == std::string::npos);
  Check(plain == line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool caseSensitive = data[0] & 1;
  const bool wholeWord = data[0] & 2;
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t wordEnd = rest.find('\n');
  const std::string word(rest.substr(0, wordEnd));
  rest = wordEnd == std::string_view::npos ? std::string_view() : rest.substr(wordEnd + 1);
  const std::vector<std::string> lines = SplitAtLineFeeds(rest);

  for (const std::string& line : lines) {
    const std::string out = lrv::HighlightLine(line, word, "\x01", "\x02");
    if (!word.empty()) CheckMarks(line, word, out);
    if (lrv::reference::Accepts(line, word) && line.size() <= 1024)
      Check(out == lrv::reference::HighlightLine(line, word, "\x01", "\x02"));
  }

  std::vector<std::string> buffer = lines;
  lrv::HighlightInBuffer(buffer, word, caseSensitive, wholeWord);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (buffer[i] == lines[i]) continue;
    Check(!lrv::IsProtectedLine(lines[i]));
    Check(lrv::ContainsWord(word, lines[i], caseSensitive, wholeWord));
    Check(buffer[i] == lrv::HighlightLine(lines[i], word));
  }
  return 0;
}
