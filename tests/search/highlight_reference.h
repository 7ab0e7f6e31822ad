#pragma once
// The highlighting rule written the plain way, step by step: replace each
// wrapped occurrence by a placeholder character, cut kept heads off the
// front of the line, put the kept heads back and swap the placeholders for
// the marks. It is slow and cannot take a line or word that holds the
// placeholder, but it is easy to check by eye, so the one-pass HighlightLine
// is compared against it (tests and the fuzz target).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace lrv::reference {

inline constexpr char kPlaceholder = '\x86';  // "†" in Windows-1251

// Whether the reference can take these inputs.
inline bool Accepts(std::string_view line, std::string_view word) {
  return !word.empty() && line.find(kPlaceholder) == std::string_view::npos &&
         word.find(kPlaceholder) == std::string_view::npos;
}

inline std::string ReverseText(std::string_view s) { return std::string(s.rbegin(), s.rend()); }

inline std::string HighlightLine(std::string line, std::string_view word, std::string_view start,
                                 std::string_view end) {
  const std::string lowWord = text::Lower(word);
  std::vector<std::string> marks;
  std::vector<std::string> kept;
  for (;;) {
    const std::size_t p = text::Lower(line).find(lowWord);
    if (p == std::string::npos) break;
    const std::string head = line.substr(0, p + word.size());
    std::string token = head;
    if (head.find(' ') != std::string::npos) {
      const std::string reversed = ReverseText(head);
      token = ReverseText(reversed.substr(0, reversed.find(' ')));
    }
    const std::string lowToken = text::Lower(token);
    bool link = false;
    for (std::string_view piece : {"href", "src", "to:", "target"})
      if (lowToken.find(piece) != std::string::npos) link = true;
    if (!link && !token.starts_with('/')) {
      marks.push_back(std::string(start) + line.substr(p, word.size()) + std::string(end));
      line.replace(p, word.size(), 1, kPlaceholder);
    } else {
      kept.push_back(head);
      line.erase(0, head.size());
    }
  }
  std::string joined;
  for (const std::string& k : kept) joined += k;
  joined += line;
  std::size_t next = 0;
  for (std::size_t at = joined.find(kPlaceholder); at != std::string::npos;
       at = joined.find(kPlaceholder, at + marks[next - 1].size())) {
    joined.replace(at, 1, marks[next++]);
  }
  return joined;
}

}  // namespace lrv::reference
