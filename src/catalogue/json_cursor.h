#pragma once
// A small strict JSON tokenizer over outside data: the catalogue's JSON
// reader walks the document with it. No recursion anywhere: nesting is
// limited only by the input's size.

#include <cstdint>
#include <string>
#include <string_view>

namespace lrv::json {

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  void SkipSpace();
  // Skips space, then true and consumes c when it is the next character.
  bool Accept(char c);
  // Skips space, then consumes c or fails.
  bool Expect(char c);
  // Skips space, then peeks (0 at the end).
  char Peek();
  bool AtEnd();

  // The next value must be of the kind; each fails with an error set.
  bool String(std::string& utf8);
  bool Int32(std::int32_t& value);
  bool Bool(bool& value);
  // Skips any one value, however deeply nested.
  bool SkipValue();

  bool Fail(std::string_view what);
  const std::string& Error() const { return error_; }
  std::size_t Offset() const { return pos_; }

 private:
  bool Number(std::string_view* digits);
  bool Literal(std::string_view word);
  bool Hex4(std::uint32_t& value);

  std::string_view text_;
  std::size_t pos_ = 0;
  std::string error_;
};

// Appends s (UTF-8) as a JSON string with quotes and escapes.
void AppendString(std::string& out, std::string_view utf8);

}  // namespace lrv::json
