#include "catalogue/json_cursor.h"

#include <charconv>
#include <vector>

namespace lrv::json {

void Cursor::SkipSpace() {
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') break;
    ++pos_;
  }
}

char Cursor::Peek() {
  SkipSpace();
  return pos_ < text_.size() ? text_[pos_] : '\0';
}

bool Cursor::AtEnd() {
  SkipSpace();
  return pos_ == text_.size();
}

bool Cursor::Accept(char c) {
  if (AtEnd() || text_[pos_] != c) return false;
  ++pos_;
  return true;
}

bool Cursor::Expect(char c) {
  if (Accept(c)) return true;
  return Fail(std::string("expected '") + c + "'");
}

bool Cursor::Fail(std::string_view what) {
  if (error_.empty()) error_ = "JSON error at byte " + std::to_string(pos_) + ": " + std::string(what);
  return false;
}

bool Cursor::Hex4(std::uint32_t& value) {
  if (text_.size() - pos_ < 4) return Fail("short \\u escape");
  value = 0;
  for (int i = 0; i < 4; ++i) {
    const char c = text_[pos_++];
    value <<= 4;
    if (c >= '0' && c <= '9') value |= static_cast<std::uint32_t>(c - '0');
    else if (c >= 'a' && c <= 'f') value |= static_cast<std::uint32_t>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') value |= static_cast<std::uint32_t>(c - 'A' + 10);
    else return Fail("bad \\u escape");
  }
  return true;
}

namespace {
void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}
}  // namespace

// Raw bytes are copied as they are; the caller's conversion from UTF-8
// rejects malformed sequences.
bool Cursor::String(std::string& utf8) {
  utf8.clear();
  if (!Expect('"')) return false;
  while (true) {
    if (pos_ >= text_.size()) return Fail("unterminated string");
    const char c = text_[pos_++];
    if (c == '"') return true;
    if (static_cast<unsigned char>(c) < 0x20) return Fail("control character in string");
    if (c != '\\') {
      utf8.push_back(c);
      continue;
    }
    if (pos_ >= text_.size()) return Fail("unterminated string");
    const char e = text_[pos_++];
    switch (e) {
      case '"': utf8.push_back('"'); break;
      case '\\': utf8.push_back('\\'); break;
      case '/': utf8.push_back('/'); break;
      case 'b': utf8.push_back('\b'); break;
      case 'f': utf8.push_back('\f'); break;
      case 'n': utf8.push_back('\n'); break;
      case 'r': utf8.push_back('\r'); break;
      case 't': utf8.push_back('\t'); break;
      case 'u': {
        std::uint32_t cp = 0;
        if (!Hex4(cp)) return false;
        if (cp >= 0xDC00 && cp <= 0xDFFF) return Fail("lone low surrogate");
        if (cp >= 0xD800 && cp <= 0xDBFF) {
          std::uint32_t low = 0;
          if (text_.substr(pos_, 2) != "\\u") return Fail("lone high surrogate");
          pos_ += 2;
          if (!Hex4(low)) return false;
          if (low < 0xDC00 || low > 0xDFFF) return Fail("bad surrogate pair");
          cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(utf8, cp);
        break;
      }
      default: return Fail("bad escape");
    }
  }
}

// A JSON number; *digits gets its text.
bool Cursor::Number(std::string_view* digits) {
  SkipSpace();
  const std::size_t start = pos_;
  auto isDigit = [this] { return pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9'; };
  if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
  if (!isDigit()) return Fail("expected a number");
  if (text_[pos_] == '0') {
    ++pos_;
  } else {
    while (isDigit()) ++pos_;
  }
  if (pos_ < text_.size() && text_[pos_] == '.') {
    ++pos_;
    if (!isDigit()) return Fail("bad number");
    while (isDigit()) ++pos_;
  }
  if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
    ++pos_;
    if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
    if (!isDigit()) return Fail("bad number");
    while (isDigit()) ++pos_;
  }
  if (digits != nullptr) *digits = text_.substr(start, pos_ - start);
  return true;
}

bool Cursor::Int32(std::int32_t& value) {
  std::string_view digits;
  const std::size_t start = (SkipSpace(), pos_);
  if (!Number(&digits)) return false;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || end != digits.data() + digits.size()) {
    pos_ = start;
    return Fail("expected a 32-bit integer");
  }
  return true;
}

bool Cursor::Literal(std::string_view word) {
  if (text_.substr(pos_, word.size()) != word) return Fail("bad literal");
  pos_ += word.size();
  return true;
}

bool Cursor::Bool(bool& value) {
  const char c = Peek();
  if (c == 't') return (value = true, Literal("true"));
  if (c == 'f') return (value = false, Literal("false"));
  return Fail("expected true or false");
}

bool Cursor::SkipValue() {
  std::vector<char> open;  // the closing brackets still due
  std::string scratch;
  while (true) {
    // A value is due here.
    const char c = Peek();
    if (c == '{' || c == '[') {
      ++pos_;
      const char close = c == '{' ? '}' : ']';
      if (!Accept(close)) {
        open.push_back(close);
        if (close == '}' && !(String(scratch) && Expect(':'))) return false;
        continue;
      }
    } else if (c == '"') {
      if (!String(scratch)) return false;
    } else if (c == 't') {
      if (!Literal("true")) return false;
    } else if (c == 'f') {
      if (!Literal("false")) return false;
    } else if (c == 'n') {
      if (!Literal("null")) return false;
    } else if (!Number(nullptr)) {
      return false;
    }
    // After a value: close containers or move to the next element.
    while (true) {
      if (open.empty()) return true;
      if (Accept(',')) {
        if (open.back() == '}' && !(String(scratch) && Expect(':'))) return false;
        break;
      }
      if (!Expect(open.back())) return false;
      open.pop_back();
    }
  }
}

void AppendString(std::string& out, std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  out.push_back('"');
  for (const char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20) {
          out += "\\u00";
          out.push_back(kHex[u >> 4]);
          out.push_back(kHex[u & 0xF]);
        } else {
          out.push_back(c);
        }
    }
  }
  out.push_back('"');
}

}  // namespace lrv::json
