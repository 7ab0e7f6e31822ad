#pragma once
// Search words: splitting a typed query into words and testing whether a
// word or phrase occurs in a text. Everything works on Windows-1251 bytes
// and the system's ANSI lower-casing (lrv::text::Lower).

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace lrv {

using ByteSet = std::array<bool, 256>;

namespace detail {
constexpr ByteSet MakeWordChars() {
  ByteSet set{};
  set['-'] = set['.'] = set['_'] = true;
  for (int c = '0'; c <= '9'; ++c) set[c] = true;
  for (int c = 'A'; c <= 'Z'; ++c) set[c] = set[c + 32] = true;
  set[0xA8] = set[0xB8] = true;              // Ё ё
  for (int c = 0xC0; c <= 0xFF; ++c) set[c] = true;  // А..я
  return set;
}
}  // namespace detail

// The word characters, indexed by byte. The hyphen and the dot belong to
// words, so «клиент-сервер» and a dotted qualified name are single words.
inline constexpr ByteSet WordChars = detail::MakeWordChars();

inline bool IsWordChar(char c) { return WordChars[static_cast<unsigned char>(c)]; }

// "и", "в", "с", "или", "or", "and", "на", "по", "on" (Windows-1251, lower case).
const std::array<std::string, 9>& StopWords();

// False for a single character and for a stop word (in any case); true for
// everything else, the empty word included.
bool IsSignificantWord(std::string_view word);

// The unique significant words of a typed query, in order of first
// appearance (the first written form wins; duplicates compare without case).
// Only the space separates words: any other non-word character is dropped
// without ending the word, so «foo,bar» is the one word «foobar».
std::vector<std::string> ExtractWordList(std::string_view query);

// The same words as one text, each followed by a carriage return; empty
// when there is none.
std::string ExtractWords(std::string_view query);

// Whether the needle occurs in the text. Only the first occurrence counts:
// with wholeWord it must not touch a word character on either side, and a
// later free-standing occurrence is not looked for. A needle may be a
// phrase; then its outer ends are tested. An empty needle is never found.
bool ContainsWord(std::string_view needle, std::string_view text, bool caseSensitive, bool wholeWord);

// ContainsWord for a search that tests one needle against many lines: the
// caller lowers the needle and the text once (lrv::text::Lower) and gets the
// result of ContainsWord(needle, text, false, wholeWord) with no copying.
// Given unlowered texts it answers the case-sensitive question instead.
// Note the argument order: needle first, as in ContainsWord.
bool ContainsWordLowered(std::string_view needleLower, std::string_view textLower, bool wholeWord);

}  // namespace lrv
