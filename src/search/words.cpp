#include "search/words.h"

#include <unordered_set>

#include "base/text.h"

namespace lrv {
namespace {

// The lower-case table copied once, so the case-insensitive scan below
// looks bytes up without a call per byte.
const std::array<unsigned char, 256>& LowerTable() {
  static const auto table = [] {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = text::LowerByte(static_cast<unsigned char>(i));
    return t;
  }();
  return table;
}

// First position of the needle in the text with both sides lowered, without
// lowering copies of either.
size_t FindNoCase(std::string_view needle, std::string_view text) {
  if (needle.size() > text.size()) return std::string_view::npos;
  const auto& lower = LowerTable();
  auto low = [&lower](char c) { return lower[static_cast<unsigned char>(c)]; };
  const unsigned char first = low(needle[0]);
  const size_t last = text.size() - needle.size();
  for (size_t p = 0; p <= last; ++p) {
    if (low(text[p]) != first) continue;
    size_t k = 1;
    while (k < needle.size() && low(text[p + k]) == low(needle[k])) ++k;
    if (k == needle.size()) return p;
  }
  return std::string_view::npos;
}

bool StandsAlone(std::string_view text, size_t pos, size_t length) {
  const bool startsWord = pos == 0 || !IsWordChar(text[pos - 1]);
  const bool endsWord = pos + length == text.size() || !IsWordChar(text[pos + length]);
  return startsWord && endsWord;
}

bool Judge(std::string_view text, size_t pos, size_t length, bool wholeWord) {
  if (pos == std::string_view::npos) return false;
  return !wholeWord || StandsAlone(text, pos, length);
}

}  // namespace

const std::array<std::string, 9>& StopWords() {
  static const std::array<std::string, 9> words = {
      text::Ansi("и"), text::Ansi("в"),  text::Ansi("с"),  text::Ansi("или"), "or",
      "and",           text::Ansi("на"), text::Ansi("по"), "on"};
  return words;
}

bool IsSignificantWord(std::string_view word) {
  if (word.size() == 1) return false;
  if (word.size() <= 3) {
    for (const auto& stop : StopWords())
      if (text::EqualsNoCase(word, stop)) return false;
  }
  return true;
}

std::vector<std::string> ExtractWordList(std::string_view query) {
  std::vector<std::string> words;
  if (text::Trim(query).empty()) return words;
  std::unordered_set<std::string> seen;  // lower-case forms of the words taken
  std::string word;
  for (size_t i = 0; i < query.size(); ++i) {
    const char c = query[i];
    if (IsWordChar(c)) word.push_back(c);
    if (c != ' ' && i + 1 != query.size()) continue;
    if (!word.empty() && IsSignificantWord(word) && seen.insert(text::Lower(word)).second)
      words.push_back(word);
    word.clear();
  }
  return words;
}

std::string ExtractWords(std::string_view query) {
  std::string out;
  for (const auto& word : ExtractWordList(query)) {
    out += word;
    out += '\r';
  }
  return out;
}

bool ContainsWord(std::string_view needle, std::string_view text, bool caseSensitive, bool wholeWord) {
  if (needle.empty()) return false;
  const size_t pos = caseSensitive ? text.find(needle) : FindNoCase(needle, text);
  return Judge(text, pos, needle.size(), wholeWord);
}

bool ContainsWordLowered(std::string_view needleLower, std::string_view textLower, bool wholeWord) {
  if (needleLower.empty()) return false;
  return Judge(textLower, textLower.find(needleLower), needleLower.size(), wholeWord);
}

}  // namespace lrv
