#pragma once
// The page-text test of the search, done over a whole file at once. A page
// is a list of lines (the text between line breaks: LF, or CR LF with the
// CR not part of the line), and a needle is found in a page when some line
// contains it by the rule of ContainsWord: only the first occurrence in a
// line is judged for whole words. Instead of splitting the page, the
// needle is looked for in the whole buffer and the line rule is applied
// only where an occurrence lies.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace lrv {

// The system's ANSI lower-casing as a table, for folding whole buffers.
const std::array<unsigned char, 256>& LowerTable();
// Folds `size` bytes in place with LowerTable.
void LowerBytes(char* data, std::size_t size);

// One needle, prepared once for many buffers. Give it and the buffers
// already folded (lower-cased) for a search without regard to case, or
// both unchanged for a case-sensitive one.
class LineNeedle {
 public:
  LineNeedle(std::string needle, bool wholeWord);

  // Whether some line of `buffer` contains the needle. An empty needle,
  // or one holding a line feed, is never found.
  bool FoundInSomeLine(std::string_view buffer) const;

  const std::string& Text() const { return needle_; }

 private:
  // The first occurrence at or after `from`, or npos.
  std::size_t Find(std::string_view buffer, std::size_t from) const;

  std::string needle_;
  bool wholeWord_;
  bool never_;
};

}  // namespace lrv
