#include "base/text.h"

#include <array>
#include <charconv>
#include <limits>
#include <stdexcept>
#include <unordered_map>

namespace lrv::text {
namespace {

// Code points of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

struct CaseTables {
  std::array<unsigned char, 256> lower{};
  std::array<unsigned char, 256> upper{};
  CaseTables() {
    for (int i = 0; i < 256; ++i) lower[i] = upper[i] = static_cast<unsigned char>(i);
    auto pair = [this](int capital, int small) {
      lower[capital] = static_cast<unsigned char>(small);
      upper[small] = static_cast<unsigned char>(capital);
    };
    for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDF; ++c) pair(c, c + 32);  // А-Я / а-я
    // Ђ Ѓ Љ Њ Ќ Ћ Џ Ў Ј Ґ Ё Є Ї І Ѕ and their small letters.
    const int pairs[][2] = {{0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C},
                            {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2},
                            {0xA3, 0xBC}, {0xA5, 0xB4}, {0xA8, 0xB8}, {0xAA, 0xBA},
                            {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
    for (const auto& p : pairs) pair(p[0], p[1]);
  }
};

const CaseTables& Tables() {
  static const CaseTables tables;
  return tables;
}

const std::unordered_map<char32_t, unsigned char>& ReverseMap() {
  static const auto map = [] {
    std::unordered_map<char32_t, unsigned char> m;
    for (int b = 0x80; b < 256; ++b) m.emplace(CodePointOf(static_cast<unsigned char>(b)), static_cast<unsigned char>(b));
    return m;
  }();
  return map;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at s[i]; advances i. nullopt on malformed input.
std::optional<char32_t> NextUtf8(std::string_view s, size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  int extra = 0;
  char32_t cp = 0;
  if (b0 < 0x80) { ++i; return b0; }
  if ((b0 & 0xE0) == 0xC0) { extra = 1; cp = b0 & 0x1F; }
  else if ((b0 & 0xF0) == 0xE0) { extra = 2; cp = b0 & 0x0F; }
  else if ((b0 & 0xF8) == 0xF0) { extra = 3; cp = b0 & 0x07; }
  else return std::nullopt;
  if (s.size() - i <= static_cast<size_t>(extra)) return std::nullopt;
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  i += extra + 1;
  return cp;
}

}  // namespace

char32_t CodePointOf(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte < 0xC0) return kHigh[byte - 0x80];
  return 0x0410 + (byte - 0xC0);
}

std::optional<unsigned char> ByteOf(char32_t cp) {
  if (cp < 0x80) return static_cast<unsigned char>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<unsigned char>(0xC0 + (cp - 0x0410));
  const auto& map = ReverseMap();
  auto it = map.find(cp);
  if (it == map.end()) return std::nullopt;
  return it->second;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::optional<std::string> Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    auto cp = NextUtf8(utf8, i);
    if (!cp) return std::nullopt;
    auto b = ByteOf(*cp);
    if (!b) return std::nullopt;
    out.push_back(static_cast<char>(*b));
  }
  return out;
}

std::u16string Cp1251ToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char c : bytes) out.push_back(static_cast<char16_t>(CodePointOf(static_cast<unsigned char>(c))));
  return out;
}

std::optional<std::string> Utf16ToCp1251(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (char16_t u : utf16) {
    // Surrogates never map: Windows-1251 has nothing outside the BMP.
    auto b = ByteOf(u);
    if (!b || (u >= 0xD800 && u <= 0xDFFF)) return std::nullopt;
    out.push_back(static_cast<char>(*b));
  }
  return out;
}

std::string Ansi(std::string_view utf8Literal) {
  auto converted = Utf8ToCp1251(utf8Literal);
  if (!converted) throw std::logic_error("literal has no Windows-1251 form");
  return *converted;
}

unsigned char LowerByte(unsigned char c) { return Tables().lower[c]; }
unsigned char UpperByte(unsigned char c) { return Tables().upper[c]; }

void LowerInPlace(std::string& s) {
  const auto& t = Tables().lower;
  for (char& c : s) c = static_cast<char>(t[static_cast<unsigned char>(c)]);
}

std::string Lower(std::string_view s) {
  std::string out(s);
  LowerInPlace(out);
  return out;
}

std::string Upper(std::string_view s) {
  const auto& t = Tables().upper;
  std::string out(s);
  for (char& c : out) c = static_cast<char>(t[static_cast<unsigned char>(c)]);
  return out;
}

int CompareNoCase(std::string_view a, std::string_view b) {
  const auto& t = Tables().lower;
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const int x = t[static_cast<unsigned char>(a[i])];
    const int y = t[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

std::string_view TrimLeft(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && static_cast<unsigned char>(s[i]) <= 32) ++i;
  return s.substr(i);
}

std::string_view TrimRight(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && static_cast<unsigned char>(s[n - 1]) <= 32) --n;
  return s.substr(0, n);
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

std::vector<std::string> SplitLines(std::string_view content) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t lf = content.find('\n', start);
    if (lf == std::string_view::npos) {
      lines.emplace_back(content.substr(start));
      break;
    }
    size_t end = lf;
    if (end > start && content[end - 1] == '\r') --end;
    lines.emplace_back(content.substr(start, end - start));
    start = lf + 1;
  }
  return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  std::string out;
  out.reserve(total);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

std::string IntToStr(long long value) { return std::to_string(value); }

std::optional<int> StrToInt(std::string_view s) {
  s = TrimLeft(s);
  if (s.empty()) return std::nullopt;
  bool negative = false;
  if (s[0] == '-' || s[0] == '+') {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s[0] == '$') {
    base = 16;
    s.remove_prefix(1);
  }
  if (s.empty() || s[0] == '-' || s[0] == '+') return std::nullopt;
  long long value = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value, base);
  if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
  if (negative) value = -value;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

int StrToIntDef(std::string_view s, int fallback) { return StrToInt(s).value_or(fallback); }

}  // namespace lrv::text
