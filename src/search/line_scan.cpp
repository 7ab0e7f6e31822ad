#include "search/line_scan.h"

#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define LRV_SSE2 1
#include <emmintrin.h>
#endif

#include "base/text.h"
#include "search/words.h"

namespace lrv {

const std::array<unsigned char, 256>& LowerTable() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = text::LowerByte(static_cast<unsigned char>(c));
    return t;
  }();
  return table;
}

void LowerBytes(char* data, std::size_t size) {
  const auto& t = LowerTable();
  auto* p = reinterpret_cast<unsigned char*>(data);
  std::size_t i = 0;
#if defined(LRV_SSE2)
  // Sixteen bytes at a time: outside 0x80..0xBF the table only lowers
  // "A".."Z" and 0xC0..0xDF, both by adding 0x20. A block holding any
  // byte of 0x80..0xBF (the few other letter pairs) goes through the table.
  const __m128i flip = _mm_set1_epi8(static_cast<char>(0x80));
  const __m128i caseBit = _mm_set1_epi8(0x20);
  for (; i + 16 <= size; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    const __m128i s = _mm_xor_si128(v, flip);  // 0x80..0xFF as 0..127 for signed compares
    const __m128i other = _mm_and_si128(_mm_cmpgt_epi8(s, _mm_set1_epi8(-1)), _mm_cmplt_epi8(s, _mm_set1_epi8(0x40)));
    if (_mm_movemask_epi8(other) != 0) {
      for (std::size_t j = i; j < i + 16; ++j) p[j] = t[p[j]];
      continue;
    }
    const __m128i latin = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8(0x40)), _mm_cmplt_epi8(v, _mm_set1_epi8(0x5B)));
    const __m128i cyrillic = _mm_and_si128(_mm_cmpgt_epi8(s, _mm_set1_epi8(0x3F)), _mm_cmplt_epi8(s, _mm_set1_epi8(0x60)));
    const __m128i add = _mm_and_si128(_mm_or_si128(latin, cyrillic), caseBit);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), _mm_add_epi8(v, add));
  }
#endif
  for (; i < size; ++i) p[i] = t[p[i]];
}

LineNeedle::LineNeedle(std::string needle, bool wholeWord)
    : needle_(std::move(needle)),
      wholeWord_(wholeWord),
      never_(needle_.empty() || needle_.find('\n') != std::string::npos) {}

std::size_t LineNeedle::Find(std::string_view buffer, std::size_t from) const {
  if (from >= buffer.size() || buffer.size() - from < needle_.size()) return std::string_view::npos;
#if defined(__GLIBC__)
  // glibc's memmem is a vectorised search that beats a hand-written loop.
  const void* hit = memmem(buffer.data() + from, buffer.size() - from, needle_.data(), needle_.size());
  return hit == nullptr ? std::string_view::npos
                        : static_cast<std::size_t>(static_cast<const char*>(hit) - buffer.data());
#else
  return buffer.find(needle_, from);
#endif
}

bool LineNeedle::FoundInSomeLine(std::string_view buffer) const {
  if (never_) return false;
  const std::size_t n = needle_.size();
  std::size_t from = 0;
  for (;;) {
    const std::size_t p = Find(buffer, from);
    if (p == std::string_view::npos) return false;
    // The line around the occurrence: after the previous LF, up to the next
    // LF less a CR just before it.
    const std::size_t lf = buffer.find('\n', p);
    const std::size_t lineEnd = lf == std::string_view::npos ? buffer.size() : lf;
    const std::size_t contentEnd =
        lf != std::string_view::npos && lf > p && buffer[lf - 1] == '\r' ? lf - 1 : lineEnd;
    // This is the line's first occurrence: an earlier one would have been
    // found first. One that runs into the line break does not count, and no
    // later one in the line can fit either.
    if (p + n <= contentEnd) {
      if (!wholeWord_) return true;
      const bool starts = p == 0 || !IsWordChar(buffer[p - 1]);  // LF is no word character
      const bool ends = p + n == contentEnd || !IsWordChar(buffer[p + n]);
      if (starts && ends) return true;
    }
    if (lf == std::string_view::npos) return false;
    from = lf + 1;  // only the first occurrence of a line is judged
  }
}

}  // namespace lrv
