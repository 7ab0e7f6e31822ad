// Typed queries and page lines: the search words, stems and containment
// tests must hold their invariants for any bytes. The input is split at the
// first 0x01 byte into a needle and a text; the rest is plain query text.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/text.h"
#include "search/stem.h"
#include "search/words.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// A plain reading of ContainsWord to compare the optimised one with.
bool ReferenceContains(std::string_view needle, std::string_view text, bool caseSensitive, bool wholeWord) {
  if (needle.empty()) return false;
  const std::string n = caseSensitive ? std::string(needle) : lrv::text::Lower(needle);
  const std::string t = caseSensitive ? std::string(text) : lrv::text::Lower(text);
  const size_t p = t.find(n);
  if (p == std::string::npos) return false;
  if (!wholeWord) return true;
  const bool starts = p == 0 || !lrv::IsWordChar(t[p - 1]);
  const bool ends = p + n.size() == t.size() || !lrv::IsWordChar(t[p + n.size()]);
  return starts && ends;
}

void CheckStem(std::string_view word) {
  const std::string lowered = lrv::text::Lower(lrv::text::Trim(word));
  const std::string stem = lrv::StemWord(word);
  Check(stem.size() <= lowered.size());
  // Steps only cut at the ends: the stem is a piece of the lowered word.
  Check(lowered.find(stem) != std::string::npos);
  Check(lrv::StemWord(lowered) == stem);
}

void CheckWords(std::string_view query) {
  const std::string words = lrv::ExtractWords(query);
  Check(words.empty() || words.back() == '\r');
  std::string joined;  // the words again, separated by spaces
  size_t start = 0, count = 0;
  while (start < words.size()) {
    const size_t cr = words.find('\r', start);
    const std::string_view word(words.data() + start, cr - start);
    Check(!word.empty() && lrv::IsSignificantWord(word));
    for (char c : word) Check(lrv::IsWordChar(c));
    joined.append(word).push_back(' ');
    start = cr + 1;
    ++count;
  }
  Check(count == lrv::ExtractWordList(query).size());
  // The words are unique without regard to case and already clean, so
  // splitting them again gives them back unchanged.
  Check(lrv::ExtractWords(joined) == words);
}

void CheckContains(std::string_view needle, std::string_view text) {
  for (int flags = 0; flags < 4; ++flags) {
    const bool caseSensitive = flags & 1, wholeWord = flags & 2;
    const bool found = lrv::ContainsWord(needle, text, caseSensitive, wholeWord);
    Check(found == ReferenceContains(needle, text, caseSensitive, wholeWord));
    if (wholeWord && found) Check(lrv::ContainsWord(needle, text, caseSensitive, false));
    if (caseSensitive && found && !wholeWord) Check(lrv::ContainsWord(needle, text, false, false));
  }
  Check(lrv::ContainsWordLowered(lrv::text::Lower(needle), lrv::text::Lower(text), true) ==
        lrv::ContainsWord(needle, text, false, true));
  if (needle.empty()) return;
  // A text holding the needle literally always contains it.
  const std::string around = std::string(text) + std::string(needle) + std::string(text);
  Check(lrv::ContainsWord(needle, around, false, false));
  Check(lrv::ContainsWord(needle, around, true, false));
  Check(lrv::ContainsWord(lrv::text::Upper(needle), around, false, false));
  // The needle alone is a whole word at both ends.
  Check(lrv::ContainsWord(needle, needle, true, true));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckWords(bytes);
  CheckStem(bytes);
  (void)lrv::IsSignificantWord(bytes);
  const size_t cut = bytes.find('\x01');
  if (cut != std::string_view::npos) {
    CheckContains(bytes.substr(0, cut), bytes.substr(cut + 1));
  } else {
    // Stem every space-separated piece too, as the search stems each word.
    size_t start = 0;
    while (start <= bytes.size()) {
      const size_t space = bytes.find(' ', start);
      const size_t end = space == std::string_view::npos ? bytes.size() : space;
      CheckStem(bytes.substr(start, end - start));
      if (space == std::string_view::npos) break;
      start = space + 1;
    }
  }
  return 0;
}
