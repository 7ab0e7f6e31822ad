#pragma once
// Word-form folding: a crude stem of a Russian (or English) word, so that
// the cases, numbers and tenses of one word find each other.

#include <string>
#include <string_view>

namespace lrv {

// The stem of a word or of a whole phrase (Windows-1251): the lower-case
// trimmed input with endings and prefixes cut by two passes of the same
// twelve steps. It may be empty («aeiou»). For a phrase only the end of the
// last word and the beginning of the first word are affected.
std::string StemWord(std::string_view word);

}  // namespace lrv
